# Fails when a source file includes a header of a folder that the layer table
# does not let its folder use.
#
#   cmake -DROOT=<source tree> -DTABLE=<layer table> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT OR NOT TABLE)
    message(FATAL_ERROR "usage: cmake -DROOT=<tree> -DTABLE=<layers.txt> -P check_layers.cmake")
endif()

# The table: "folder: allowed folders", comments after '#'.
file(STRINGS "${TABLE}" table_lines)
set(folders "")
foreach(line IN LISTS table_lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    string(STRIP "${line}" line)
    if(line STREQUAL "")
        continue()
    endif()
    if(NOT line MATCHES "^([A-Za-z0-9_/]+):(.*)$")
        message(FATAL_ERROR "${TABLE}: cannot read the line \"${line}\"")
    endif()
    set(folder "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" allowed)
    separate_arguments(allowed UNIX_COMMAND "${allowed}")
    list(APPEND folders "${folder}")
    set("allowed_${folder}" "${folder};${allowed}")
endforeach()

# The longest folder of the table that holds `path`, or "" when none does.
function(layer_of path out)
    set(best "")
    string(LENGTH "" best_length)
    foreach(folder IN LISTS folders)
        string(LENGTH "${folder}" length)
        if(path MATCHES "^${folder}/" AND length GREATER best_length)
            set(best "${folder}")
            set(best_length ${length})
        endif()
    endforeach()
    set(${out} "${best}" PARENT_SCOPE)
endfunction()

set(violations "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources RELATIVE "${ROOT}"
        "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.hpp"
        "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.cc")
    foreach(source IN LISTS sources)
        layer_of("${source}" own)
        if(NOT own STREQUAL folder)
            continue() # a deeper folder of the table checks it
        endif()
        file(STRINGS "${ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(include IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${include}")
            if(NOT header MATCHES "/")
                continue() # a header beside the file, or one the build generates
            endif()
            layer_of("${header}" target)
            if(target STREQUAL "")
                string(REGEX REPLACE "/.*" "" target "${header}")
            endif()
            if(NOT target IN_LIST "allowed_${own}")
                list(APPEND violations "${source} includes ${header} (${own} may not use ${target})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes against the layer table ${TABLE}:\n  ${text}")
endif()
list(LENGTH folders count)
message(STATUS "Includes follow the layer table (${count} folders).")
