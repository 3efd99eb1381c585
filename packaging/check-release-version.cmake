# Fails unless the newest release of the AppStream metainfo, the header of every man page in
# MAN_DIR and the newest entry of the Debian changelog all name VERSION, the project's version.
#
#   cmake -DVERSION=1.0.0 -DMETAINFO=... -DMAN_DIR=... -DCHANGELOG=... -P check-release-version.cmake

set(faults "")

# Releases are listed newest first.
file(READ "${METAINFO}" metainfo)
if(NOT metainfo MATCHES "<release[^>]*[ \t\n]version=\"([^\"]*)\"")
    string(APPEND faults "\n  ${METAINFO}: no <release version=...>")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    string(APPEND faults "\n  ${METAINFO}: newest release is ${CMAKE_MATCH_1}")
endif()

file(GLOB man_pages "${MAN_DIR}/*.1")
if(NOT man_pages)
    string(APPEND faults "\n  ${MAN_DIR}: no man page")
endif()
foreach(man_page IN LISTS man_pages)
    file(STRINGS "${man_page}" th REGEX "^\\.TH ")
    if(NOT th MATCHES "\"Quillora ([^\"]*)\"")
        string(APPEND faults "\n  ${man_page}: no \"Quillora VERSION\" in the .TH line")
    elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
        string(APPEND faults "\n  ${man_page}: .TH names version ${CMAKE_MATCH_1}")
    endif()
endforeach()

file(STRINGS "${CHANGELOG}" entries REGEX "^quillora \\(")
list(GET entries 0 newest)
if(NOT newest MATCHES "^quillora \\(([^)]*)\\)")
    string(APPEND faults "\n  ${CHANGELOG}: no entry")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    string(APPEND faults "\n  ${CHANGELOG}: newest entry is ${CMAKE_MATCH_1}")
endif()

if(faults)
    message(FATAL_ERROR "The project's version is ${VERSION}, but:${faults}")
endif()
