# Installs the build into a scratch folder and checks the installed desktop files together:
# appstreamcli checks the metainfo and finds the desktop entry its launchable names; then the
# icon that entry names must be in the hicolor theme at every size of ICON_SIZES (comma
# separated), each PNG as large as its folder says.
#
#   cmake -DBUILD_DIR=... -DCONFIG=... -DSTAGE=... -DAPPSTREAMCLI=... -DAPP_ID=... \
#         -DICON_SIZES=16,32 -P check-install-tree.cmake

file(REMOVE_RECURSE "${STAGE}")
set(config_args "")
if(CONFIG)
    set(config_args --config "${CONFIG}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" ${config_args} --prefix "${STAGE}/usr"
    OUTPUT_QUIET
    RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install into ${STAGE} failed")
endif()

set(faults "")

execute_process(
    COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${STAGE}"
    RESULT_VARIABLE valid)
if(NOT valid EQUAL 0)
    string(APPEND faults "\n  appstreamcli validate-tree found faults (above)")
endif()

set(desktop_file "${STAGE}/usr/share/applications/${APP_ID}.desktop")
set(icon "")
if(EXISTS "${desktop_file}")
    file(STRINGS "${desktop_file}" icon_line REGEX "^Icon=")
    string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
else()
    string(APPEND faults "\n  not installed: share/applications/${APP_ID}.desktop")
endif()

if(icon)
    string(REPLACE "," ";" sizes "${ICON_SIZES}")
    foreach(size IN LISTS sizes)
        set(png "${STAGE}/usr/share/icons/hicolor/${size}x${size}/apps/${icon}.png")
        if(NOT EXISTS "${png}")
            string(APPEND faults "\n  the desktop entry's icon ${icon} is missing at ${size}x${size}")
            continue()
        endif()
        # A PNG starts with its 8-byte signature, then the IHDR chunk: length, type, width, height.
        file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING "${header}" 0 8 width_hex)
        string(SUBSTRING "${header}" 8 8 height_hex)
        math(EXPR width "0x${width_hex}")
        math(EXPR height "0x${height_hex}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            string(APPEND faults "\n  ${size}x${size}/apps/${icon}.png is ${width}x${height}")
        endif()
    endforeach()
elseif(EXISTS "${desktop_file}")
    string(APPEND faults "\n  the desktop entry names no icon")
endif()

file(REMOVE_RECURSE "${STAGE}")
if(faults)
    message(FATAL_ERROR "The installed desktop files do not fit together:${faults}")
endif()
