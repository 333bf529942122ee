# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# The date a reproducible build stamps into what it makes: SOURCE_DATE_EPOCH where it is set, else
# the commit's date (0 outside a Git checkout), so that two builds of one commit give the same
# bytes on any day. LIREVOX_SOURCE_DATE holds it; the environment gets it too, for the tools.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(LIREVOX_SOURCE_DATE $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE LIREVOX_SOURCE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE no_git
                    ERROR_QUIET)
    if(no_git OR LIREVOX_SOURCE_DATE STREQUAL "")
        set(LIREVOX_SOURCE_DATE 0)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${LIREVOX_SOURCE_DATE})
endif()
