# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

# Writes the page: its title, controls and the module's part of the design from the core's design
# table, its styles, the core (its WebAssembly gzipped, in base64) and the page's module inlined into
# the HTML, and the icon as a data address. The site's copy adds the app manifest and the service
# worker, with the icons they name; the worker's cache is named from everything it keeps, so that a
# rebuilt site replaces the copy its returning visitors hold.
# usage: cmake -DSOURCE=DIR -DCORE=lirevox_core.js -DOUT=DIR -P page.cmake
execute_process(COMMAND node ${SOURCE}/web/prerender.mjs ${CORE} OUTPUT_VARIABLE prerendered COMMAND_ERROR_IS_FATAL ANY)
string(JSON LIREVOX_TITLE GET "${prerendered}" title)
string(JSON LIREVOX_CONTROLS GET "${prerendered}" controls)
string(JSON LIREVOX_PAGE_DESIGN GET "${prerendered}" design)
string(REGEX REPLACE "[.]js$" ".wasm" CORE_WASM ${CORE})
execute_process(COMMAND node -e "process.stdout.write(require('zlib').gzipSync(require('fs').readFileSync(process.argv[1]), {level: 9}).toString('base64'))"
                ${CORE_WASM} OUTPUT_VARIABLE LIREVOX_WASM COMMAND_ERROR_IS_FATAL ANY)
file(READ ${SOURCE}/web/lirevox.css LIREVOX_STYLE)
file(READ ${SOURCE}/web/early.js LIREVOX_EARLY)
file(READ ${CORE} LIREVOX_CORE)
file(READ ${SOURCE}/web/core_calls.mjs LIREVOX_CORE_CALLS)
file(READ ${SOURCE}/web/lirevox.js LIREVOX_MODULE)
file(READ ${SOURCE}/resources/example.oztrabel.Lirevox.svg LIREVOX_ICON HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "%\\1" LIREVOX_ICON "${LIREVOX_ICON}")
set(LIREVOX_SITE_HEAD "")
configure_file(${SOURCE}/web/lirevox.html ${OUT}/lirevox.html @ONLY)
set(LIREVOX_SITE_HEAD "<link rel=\"manifest\" href=\"manifest.webmanifest\">")
configure_file(${SOURCE}/web/lirevox.html ${OUT}/site/index.html @ONLY)
configure_file(${SOURCE}/web/manifest.webmanifest ${OUT}/site/manifest.webmanifest COPYONLY)
set(kept ${OUT}/site/index.html ${OUT}/site/manifest.webmanifest ${SOURCE}/web/service_worker.js)
foreach(size 192 512)
    configure_file(${SOURCE}/resources/icons/example.oztrabel.Lirevox-${size}.png ${OUT}/site/icon-${size}.png COPYONLY)
    list(APPEND kept ${OUT}/site/icon-${size}.png)
endforeach()
set(contents "")
foreach(file IN LISTS kept)
    file(SHA256 ${file} hash)
    string(APPEND contents ${hash})
endforeach()
string(SHA256 LIREVOX_CACHE "${contents}")
string(SUBSTRING ${LIREVOX_CACHE} 0 16 LIREVOX_CACHE)
configure_file(${SOURCE}/web/service_worker.js ${OUT}/site/service_worker.js @ONLY)
