# Builds the shipped language file from the UTF-8 text sources.
#
#   cmake -DLANG_SRC_DIR=<dir> -DLANG_OUT=<file> [-DLANG_ICONV=<iconv>] -P build_lang_ini.cmake
#
# <dir> holds keys.txt (one key a line) and English.txt, TChinese.txt,
# SChinese.txt (UTF-8, "KEY=text" lines in the order of keys.txt; lines
# starting with ";" are comments and are not copied). The output holds
# [SetLanguage] Language=English, then [English] (ASCII), [TChinese] (BIG5)
# and [SChinese] (GB2312), with LF line endings. It is written under a
# temporary name and renamed at the end, so a failed run leaves no partial
# file behind.
#
# The program reads the texts as bytes and splits hints at the byte "|", so
# every converted text may hold the byte 0x7C only where its source has a
# "|". The one exception is the digit four of the weekday names: its BIG5
# code ends in 0x7C and Chinese has no other way to write Thursday. Those
# texts are never split, and they may not contain a real "|".

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED LANG_SRC_DIR OR NOT DEFINED LANG_OUT)
    message(FATAL_ERROR "usage: cmake -DLANG_SRC_DIR=<dir> -DLANG_OUT=<file> -P build_lang_ini.cmake")
endif()
if(NOT DEFINED LANG_ICONV)
    find_program(LANG_ICONV iconv)
endif()
if(NOT LANG_ICONV)
    message(FATAL_ERROR "build_lang_ini: the iconv program was not found")
endif()

# Section, source file and target charset ("" = kept as ASCII), in output order.
set(lang_sections English TChinese SChinese)
set(lang_charset_English "")
set(lang_charset_TChinese BIG5)
set(lang_charset_SChinese GB2312)

# printf formats with one integer argument; no other text may hold a "%".
set(lang_format_keys SM_ClassNo SM_FileCount SM_RecCount
    SM_CliStatementsFailed SM_CliRowsUnreadable SM_CliAdded SM_CliUpdated SM_CliKeptTwice SM_CliLeftAlone SM_CliAlreadyThere
    SM_ReadOnlyMore SM_FileOpMore SM_ReportNotListed SM_FileImportOK SM_FileExportOK)
# Texts copied into 50-byte slots (49 bytes and the terminating zero).
set(lang_slot_keys
    SM_Relative SM_Friend SM_Classmate SM_Colleague SM_Customer SM_Others
    SM_Monday SM_Tuesday SM_Wednesday SM_Thursday SM_Friday SM_Saturday SM_Sunday
    SM_NoAlarm SM_AdvanceBy0Min SM_AdvanceBy30Min SM_AdvanceBy60Min)
set(lang_slot_max_bytes 49)
# Texts whose converted bytes may hold 0x7C as the second byte of a character.
set(lang_trail_7c_keys SM_Thu SM_Thursday)

get_filename_component(lang_out_dir "${LANG_OUT}" DIRECTORY)
set(lang_work "${LANG_OUT}.work")
set(lang_tmp_out "${LANG_OUT}.tmp")
file(REMOVE_RECURSE "${lang_work}")
file(REMOVE "${lang_tmp_out}")
file(MAKE_DIRECTORY "${lang_out_dir}" "${lang_work}")

function(lang_fail text)
    file(REMOVE_RECURSE "${lang_work}")
    file(REMOVE "${lang_tmp_out}")
    message(FATAL_ERROR "build_lang_ini: ${text}")
endfunction()

# Reads a text file without a byte-order mark and without CR bytes.
function(lang_read_text path out_var)
    if(NOT EXISTS "${path}")
        lang_fail("${path} does not exist")
    endif()
    file(READ "${path}" head LIMIT 3 HEX)
    if(head STREQUAL "efbbbf")
        file(READ "${path}" text OFFSET 3)
    else()
        file(READ "${path}" text)
    endif()
    string(REPLACE "\r" "" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Splits text at LF into the numbered variables <prefix>_1 .. <prefix>_<n>
# and sets <prefix>_count. No list operations: texts may hold ";" and brackets.
function(lang_split_lines text prefix)
    set(n 0)
    while(NOT text STREQUAL "")
        string(FIND "${text}" "\n" nl)
        math(EXPR n "${n} + 1")
        if(nl EQUAL -1)
            set(${prefix}_${n} "${text}" PARENT_SCOPE)
            set(text "")
        else()
            string(SUBSTRING "${text}" 0 ${nl} line)
            math(EXPR rest "${nl} + 1")
            string(SUBSTRING "${text}" ${rest} -1 text)
            set(${prefix}_${n} "${line}" PARENT_SCOPE)
        endif()
    endwhile()
    set(${prefix}_count ${n} PARENT_SCOPE)
endfunction()

# Number of occurrences of the one-byte text needle in text.
function(lang_count_char text needle out_var)
    string(LENGTH "${text}" full)
    string(REPLACE "${needle}" "" stripped "${text}")
    string(LENGTH "${stripped}" rest)
    math(EXPR n "${full} - ${rest}")
    set(${out_var} ${n} PARENT_SCOPE)
endfunction()

# ---- keys -----------------------------------------------------------------

lang_read_text("${LANG_SRC_DIR}/keys.txt" keys_text)
lang_split_lines("${keys_text}" key_line)
if(key_line_count EQUAL 0)
    lang_fail("keys.txt is empty")
endif()
set(lang_keys "")
foreach(i RANGE 1 ${key_line_count})
    set(key "${key_line_${i}}")
    if(key STREQUAL "")
        continue()
    endif()
    if(NOT key MATCHES "^[A-Za-z][A-Za-z0-9_]*$")
        lang_fail("keys.txt line ${i}: \"${key}\" is not a key name")
    endif()
    if(DEFINED key_known_${key})
        lang_fail("keys.txt line ${i}: key ${key} is listed twice")
    endif()
    set(key_known_${key} 1)
    list(APPEND lang_keys "${key}")
endforeach()
list(LENGTH lang_keys lang_key_count)
if(lang_key_count EQUAL 0)
    lang_fail("keys.txt lists no keys")
endif()

# ---- one source: parse, check, convert, check the converted bytes ----------

string(ASCII 9 lang_tab)

function(lang_build_section section)
    set(charset "${lang_charset_${section}}")
    set(src "${LANG_SRC_DIR}/${section}.txt")
    lang_read_text("${src}" text)
    lang_split_lines("${text}" line)
    if(line_count EQUAL 0)
        lang_fail("${section}.txt is empty")
    endif()

    set(order "")
    set(filtered "")
    foreach(i RANGE 1 ${line_count})
        set(l "${line_${i}}")
        if(l STREQUAL "" OR l MATCHES "^;")
            continue()
        endif()
        set(where "${section}.txt line ${i}")
        if(NOT l MATCHES "^([A-Za-z0-9_]+)=(.*)$")
            lang_fail("${where}: not a KEY=text line")
        endif()
        set(key "${CMAKE_MATCH_1}")
        set(value "${CMAKE_MATCH_2}")
        if(NOT DEFINED key_known_${key})
            lang_fail("${where}: key ${key} is not in keys.txt")
        endif()
        if(DEFINED seen_${key})
            lang_fail("${where}: key ${key} appears twice (first on line ${seen_${key}})")
        endif()
        set(seen_${key} ${i})
        if(value STREQUAL "")
            lang_fail("${where}: ${key} has an empty text")
        endif()
        if(value MATCHES "^[ ${lang_tab}]" OR value MATCHES "[ ${lang_tab}]$")
            lang_fail("${where}: ${key} begins or ends with a blank, which the reader drops")
        endif()
        if(value MATCHES "^\".*\"$" OR value MATCHES "^'.*'$")
            lang_fail("${where}: ${key} is enclosed in quotes, which the reader drops")
        endif()
        string(FIND "${value}" "${lang_tab}" tab_at)
        if(NOT tab_at EQUAL -1)
            lang_fail("${where}: ${key} contains a tab")
        endif()
        if(charset STREQUAL "" AND NOT l MATCHES "^[ -~]*$")
            lang_fail("${where}: ${key} contains a byte outside printable ASCII")
        endif()
        list(FIND lang_format_keys "${key}" format_at)
        if(format_at EQUAL -1)
            string(FIND "${value}" "%" percent_at)
            if(NOT percent_at EQUAL -1)
                lang_fail("${where}: ${key} contains \"%\", which only the printf formats may hold")
            endif()
        elseif(NOT value MATCHES "^[^%]*%d[^%]*$")
            lang_fail("${where}: ${key} must hold exactly one \"%d\" and no other \"%\"")
        endif()
        if(NOT key MATCHES "_HINT$")
            string(FIND "${value}" "|" bar_at)
            if(NOT bar_at EQUAL -1)
                lang_fail("${where}: ${key} contains \"|\", which only hints may hold")
            endif()
        endif()
        set(value_${key} "${value}")
        list(APPEND order "${key}")
        string(APPEND filtered "${key}=${value}\n")
    endforeach()

    set(missing "")
    foreach(key IN LISTS lang_keys)
        if(NOT DEFINED seen_${key})
            list(APPEND missing "${key}")
        endif()
    endforeach()
    if(NOT missing STREQUAL "")
        list(JOIN missing ", " missing_text)
        lang_fail("${section}.txt lacks the keys ${missing_text}")
    endif()
    foreach(idx RANGE 1 ${lang_key_count})
        math(EXPR at "${idx} - 1")
        list(GET lang_keys ${at} want)
        list(GET order ${at} have)
        if(NOT want STREQUAL have)
            lang_fail("${section}.txt line ${seen_${have}}: ${have} is out of order; keys.txt has ${want} here")
        endif()
    endforeach()

    set(utf8 "${lang_work}/${section}.utf8")
    set(conv "${lang_work}/${section}.conv")
    file(WRITE "${utf8}" "${filtered}")
    if(charset STREQUAL "")
        file(COPY_FILE "${utf8}" "${conv}")
    else()
        execute_process(
            COMMAND "${LANG_ICONV}" -f UTF-8 -t ${charset}
            INPUT_FILE "${utf8}" OUTPUT_FILE "${conv}"
            RESULT_VARIABLE rc ERROR_VARIABLE err)
        if(NOT rc MATCHES "^[0-9]+$")
            lang_fail("could not run ${LANG_ICONV}: ${rc}")
        endif()
        if(NOT rc EQUAL 0)
            # Name the first text that cannot be converted.
            set(probe "${lang_work}/probe.utf8")
            foreach(key IN LISTS order)
                file(WRITE "${probe}" "${value_${key}}\n")
                execute_process(
                    COMMAND "${LANG_ICONV}" -f UTF-8 -t ${charset}
                    INPUT_FILE "${probe}" OUTPUT_QUIET
                    RESULT_VARIABLE probe_rc ERROR_QUIET)
                if(NOT probe_rc EQUAL 0)
                    lang_fail("${section}.txt line ${seen_${key}}: ${key} cannot be converted to ${charset}")
                endif()
            endforeach()
            string(STRIP "${err}" err)
            lang_fail("${section}.txt: conversion to ${charset} failed: ${err}")
        endif()
        set(back "${lang_work}/${section}.back")
        execute_process(
            COMMAND "${LANG_ICONV}" -f ${charset} -t UTF-8
            INPUT_FILE "${conv}" OUTPUT_FILE "${back}"
            RESULT_VARIABLE rc ERROR_VARIABLE err)
        file(READ "${back}" back_text)
        if(NOT rc EQUAL 0 OR NOT back_text STREQUAL filtered)
            lang_fail("${section}.txt: the ${charset} text does not convert back to the source unchanged")
        endif()
    endif()

    # The converted bytes as a list of two-digit hex lines, one per key.
    file(READ "${conv}" hex HEX)
    string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
    string(REPLACE "0a " ";" conv_lines "${hex}")
    list(POP_BACK conv_lines last)
    list(LENGTH conv_lines conv_count)
    if(NOT last STREQUAL "" OR NOT conv_count EQUAL lang_key_count)
        lang_fail("${section}.txt: the converted text has ${conv_count} lines instead of ${lang_key_count}")
    endif()
    foreach(idx RANGE 1 ${lang_key_count})
        math(EXPR at "${idx} - 1")
        list(GET order ${at} key)
        list(GET conv_lines ${at} bytes)
        string(STRIP "${bytes}" bytes)
        string(REPLACE " " ";" bytes "${bytes}")
        list(LENGTH bytes byte_count)
        string(LENGTH "${key}" key_length)
        math(EXPR value_bytes "${byte_count} - ${key_length} - 1")

        set(bars ${bytes})
        list(FILTER bars INCLUDE REGEX "^7c$")
        list(LENGTH bars bar_bytes)
        lang_count_char("${value_${key}}" "|" bar_chars)
        list(FIND lang_trail_7c_keys "${key}" trail_ok)
        if(NOT bar_bytes EQUAL bar_chars AND trail_ok EQUAL -1)
            lang_fail("${section}.txt line ${seen_${key}}: ${key} has a character whose ${charset} code holds the byte 0x7C (\"|\"); choose another word")
        endif()

        set(backslashes ${bytes})
        list(FILTER backslashes INCLUDE REGEX "^5c$")
        list(LENGTH backslashes backslash_bytes)
        lang_count_char("${value_${key}}" "\\" backslash_chars)
        if(NOT backslash_bytes EQUAL backslash_chars)
            message(WARNING "build_lang_ini: ${section}.txt line ${seen_${key}}: ${key} has a character whose ${charset} code holds the byte 0x5C (\"\\\")")
        endif()

        list(FIND lang_slot_keys "${key}" slot_at)
        if(NOT slot_at EQUAL -1 AND value_bytes GREATER lang_slot_max_bytes)
            lang_fail("${section}.txt line ${seen_${key}}: ${key} is ${value_bytes} bytes in ${charset}; at most ${lang_slot_max_bytes} fit its slot")
        endif()
    endforeach()
endfunction()

foreach(section IN LISTS lang_sections)
    lang_build_section(${section})
endforeach()

# ---- assemble ---------------------------------------------------------------

set(parts "${lang_work}/head")
file(WRITE "${lang_work}/head" "[SetLanguage]\nLanguage=English\n")
foreach(section IN LISTS lang_sections)
    file(WRITE "${lang_work}/${section}.head" "[${section}]\n")
    list(APPEND parts "${lang_work}/${section}.head" "${lang_work}/${section}.conv")
endforeach()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E cat ${parts}
    OUTPUT_FILE "${lang_tmp_out}"
    RESULT_VARIABLE rc ERROR_VARIABLE err)
set(expected_size 0)
foreach(part IN LISTS parts)
    file(SIZE "${part}" part_size)
    math(EXPR expected_size "${expected_size} + ${part_size}")
endforeach()
if(EXISTS "${lang_tmp_out}")
    file(SIZE "${lang_tmp_out}" out_size)
else()
    set(out_size -1)
endif()
if(NOT rc EQUAL 0 OR NOT out_size EQUAL expected_size)
    lang_fail("writing ${lang_tmp_out} failed: ${err}")
endif()
file(RENAME "${lang_tmp_out}" "${LANG_OUT}")
file(REMOVE_RECURSE "${lang_work}")
