# cmake -P make_site.cmake: gathers the site into SITE_DIR (the page's files
# and icons from SOURCE_DIR, the program from PROGRAM_DIR, the icon drawing ICON),
# writes its service worker with the list of files and a cache named for
# their content, and packs the folder as ZIP.
set(page_files index.html style.css main.js click_queue.js dialog.js layout.js message_box.js scores_transfer.js
               storage.js manifest.webmanifest icon-192.png icon-512.png)
file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})
foreach(name IN LISTS page_files)
    file(COPY ${SOURCE_DIR}/${name} DESTINATION ${SITE_DIR})
endforeach()
file(COPY ${PROGRAM_DIR}/velmorandine.js ${PROGRAM_DIR}/velmorandine.wasm DESTINATION ${SITE_DIR})
file(COPY_FILE ${ICON} ${SITE_DIR}/icon.svg)

set(all_files ${page_files} velmorandine.js velmorandine.wasm icon.svg)
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
