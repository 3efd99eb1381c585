# Fails when a source file includes from a folder above its own. Includes run only downward:
#
#     engine <- speech <- cli
#     engine <- speech <- windows <- app
#
# and the engine includes no Qt header. Tests, benchmarks and fuzzers sit on top and may include
# from any of these folders. An include without a folder ("utf8.h") is from the file's own folder.
#
# Usage: cmake -DSOURCE_DIR=<repository root> -P CheckIncludeLayers.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "Give the repository root as -DSOURCE_DIR=<path>")
endif()

# The folders from which each folder may include, its own among them.
set(may_include_engine engine)
set(may_include_speech engine speech)
set(may_include_cli engine speech cli)
set(may_include_windows engine speech windows)
set(may_include_app engine speech windows app)
set(layered_folders engine speech cli windows app)
# Folders of the repository that an include may name; any other first path part in angle
# brackets is a system or library header.
set(project_folders ${layered_folders} tests bench fuzz tools)

set(violations "")
foreach(folder IN LISTS layered_folders)
    file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
         "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
         "${SOURCE_DIR}/${folder}/*.h.in")
    foreach(source IN LISTS sources)
        file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "#[ \t]*include[ \t]*([\"<])([^\">]*)[\">]")
                continue()
            endif()
            set(quoted "${CMAKE_MATCH_1}")
            set(path "${CMAKE_MATCH_2}")
            set(from "")
            if(path MATCHES "^([^/]+)/")
                set(first "${CMAKE_MATCH_1}")
                if(first IN_LIST project_folders OR quoted STREQUAL "\"")
                    set(from "${first}")
                endif()
            elseif(quoted STREQUAL "\"")
                set(from "${folder}")
            endif()

            if(from STREQUAL "")
                # A system or library header: only the engine is held to the standard library.
                if(folder STREQUAL "engine" AND path MATCHES "^Q")
                    string(APPEND violations "\n  ${source}: ${line}  (the engine uses no Qt)")
                endif()
            elseif(NOT from IN_LIST may_include_${folder})
                list(JOIN may_include_${folder} ", " allowed)
                string(APPEND violations
                       "\n  ${source}: ${line}  (${folder}/ may include from ${allowed} only)")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes against the layers (engine <- speech <- cli; engine <- speech <- windows <- app):"
                        "${violations}")
endif()
