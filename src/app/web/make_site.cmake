# cmake -P make_site.cmake: gathers the site into SITE_DIR (the page's files
# and icons from SOURCE_DIR, the program from PROGRAM_DIR, the icon drawing
# ICON), bundles the page's scripts with the program's and the page's data
# (printed by PAGE_DATA under NODE, the node the build runs the program's
# tests with) into one script (ESBUILD), which index.html then holds
# together with its style (inline_page.mjs), writes its service worker with
# the list of files and a cache named for their content, and packs the
# folder as ZIP.
set(page_files index.html style.css progress.css manifest.webmanifest icon-192.png icon-512.png)
file(REMOVE_RECURSE ${SITE_DIR} ${SITE_DIR}-scripts)
file(MAKE_DIRECTORY ${SITE_DIR})
foreach(name IN LISTS page_files)
    file(COPY ${SOURCE_DIR}/${name} DESTINATION ${SITE_DIR})
endforeach()
file(COPY ${PROGRAM_DIR}/velmorandine.wasm DESTINATION ${SITE_DIR})
file(COPY_FILE ${ICON} ${SITE_DIR}/icon.svg)

# One script, not one request per module: on a first visit each request to
# even a local server costs the browser tens of milliseconds, and the page
# can start nothing until the last module has arrived.  Names are kept, so
# that an error's stack still reads.
file(GLOB page_scripts ${SOURCE_DIR}/*.js)
list(FILTER page_scripts EXCLUDE REGEX "/page_imports\\.js$")
file(COPY ${page_scripts} ${PROGRAM_DIR}/velmorandine.js DESTINATION ${SITE_DIR}-scripts)
execute_process(COMMAND ${NODE} ${PAGE_DATA} OUTPUT_FILE ${SITE_DIR}-scripts/page_data.js RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot print the page's data with ${PAGE_DATA}")
endif()
# The Progress view's script is a bundle of its own, which the page imports
# the first time the view opens.
execute_process(COMMAND ${ESBUILD} ${SITE_DIR}-scripts/main.js --bundle --format=esm --minify-whitespace --minify-syntax
                        --log-level=warning --external:./progress.js --outfile=${SITE_DIR}/app.js
                RESULT_VARIABLE failed)
if(NOT failed)
    execute_process(COMMAND ${ESBUILD} ${SITE_DIR}-scripts/progress.js --bundle --format=esm --minify-whitespace
                            --minify-syntax --log-level=warning --outfile=${SITE_DIR}/progress.js
                    RESULT_VARIABLE failed)
endif()
file(REMOVE_RECURSE ${SITE_DIR}-scripts)
if(failed)
    message(FATAL_ERROR "cannot bundle the page's scripts into ${SITE_DIR}/app.js")
endif()
execute_process(COMMAND ${NODE} ${SOURCE_DIR}/inline_page.mjs ${SITE_DIR} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot put the page's script and style into ${SITE_DIR}/index.html")
endif()

set(all_files ${page_files} progress.js velmorandine.wasm icon.svg)
list(REMOVE_ITEM all_files style.css) # now inside index.html
set(contents "")
set(quoted "'./'")
foreach(name IN LISTS all_files)
    file(SHA256 ${SITE_DIR}/${name} digest)
    string(APPEND contents "${digest}")
    string(APPEND quoted ", '${name}'")
endforeach()
string(SHA256 site_hash "${contents}")
string(SUBSTRING ${site_hash} 0 16 VELMO_SITE_HASH)
set(VELMO_SITE_FILES "${quoted}")
configure_file(${SOURCE_DIR}/sw.js.in ${SITE_DIR}/sw.js @ONLY)

get_filename_component(site_parent ${SITE_DIR} DIRECTORY)
get_filename_component(site_name ${SITE_DIR} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${site_name}
                WORKING_DIRECTORY ${site_parent} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot pack ${ZIP}")
endif()
