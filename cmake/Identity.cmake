# The program's identity in one place: the application id names the desktop entry, the AppStream
# component and the icon, and the window announces it to the desktop; the project version is
# the one version that both programs, the manual pages, the metainfo and the package show.
set(VEMLIK_APPLICATION_ID "cz.vemlik.Vemlik")
# The release of this version, for the metainfo, the manual pages and the package's changelog.
set(VEMLIK_RELEASE_DATE "2026-12-07")
set(VEMLIK_RELEASE_TIME "Mon, 07 Dec 2026 12:00:00 +0000")

configure_file(${CMAKE_CURRENT_LIST_DIR}/identity.h.in
               ${PROJECT_BINARY_DIR}/generated/identity.h @ONLY)
add_library(vemlik_identity INTERFACE)
target_include_directories(vemlik_identity INTERFACE ${PROJECT_BINARY_DIR}/generated)
