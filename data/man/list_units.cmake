# Puts the list of built-in units into a manual page in place of its line ".\" built-in units".
# Run as: cmake -D PAGE=page -D UNITS=list -D OUTPUT=finished page -P list_units.cmake
file(READ ${PAGE} page)
file(READ ${UNITS} units)
string(REPLACE ".\\\" built-in units\n" "${units}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
