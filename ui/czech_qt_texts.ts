<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Czech for Qt's own words that Debian's Czech translation of Qt leaves in English: the types
     that the file dialog's list shows. Loaded after that translation. -->
<TS version="2.1" language="cs_CZ">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Složka</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Složka souborů</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disková jednotka</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámý</translation>
    </message>
</context>
</TS>
