# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The date a reproducible build stamps into what it makes: SOURCE_DATE_EPOCH where it is set, else
# the commit's date, else (a release tarball, an exported tree) the date of the newest entry in the
# Debian changelog, so that two builds of the same sources give the same bytes on any day and no
# file is dated 1970. LIREVOX_SOURCE_DATE holds it; the environment gets it too, for the tools.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(LIREVOX_SOURCE_DATE $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE LIREVOX_SOURCE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE no_git
                    ERROR_QUIET)
    if(no_git OR NOT LIREVOX_SOURCE_DATE MATCHES "^[0-9]+$")
        # The trailer's date, as RFC 5322 writes it: "Mon, 07 Dec 2026 12:00:00 +0000".
        file(READ ${PROJECT_SOURCE_DIR}/cmake/debian/changelog changelog)
        string(REGEX MATCH "\n -- [^\n]*, ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ([0-9]+):([0-9]+):([0-9]+) ([+-])([0-9][0-9])([0-9][0-9])"
               trailer "${changelog}")
        if(NOT trailer)
            message(FATAL_ERROR "No date in cmake/debian/changelog's newest entry, and no SOURCE_DATE_EPOCH")
        endif()
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND months ${CMAKE_MATCH_2} month)
        # Days since 1970-01-01 of a Gregorian date, counted in years that begin on 1 March.
        math(EXPR month "${month} + 1")
        set(year ${CMAKE_MATCH_3})
        if(month LESS_EQUAL 2)
            math(EXPR year "${year} - 1")
            math(EXPR month "${month} + 9")
        else()
            math(EXPR month "${month} - 3")
        endif()
        math(EXPR era "${year} / 400")
        math(EXPR year_of_era "${year} - ${era} * 400")
        math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${CMAKE_MATCH_1} - 1")
        math(EXPR days "${era} * 146097 + ${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100
                        + ${day_of_year} - 719468")
        math(EXPR LIREVOX_SOURCE_DATE "${days} * 86400 + ${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60
                                       + ${CMAKE_MATCH_6} - ${CMAKE_MATCH_7}(${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60)")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${LIREVOX_SOURCE_DATE})
endif()
