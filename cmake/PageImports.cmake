# The web build's page boundary, read from its one declaration
# (src/system/web/page_imports.txt):
#   - generated/page/system/web/page_imports.h: the C++ declarations of the
#     imports and an enum per list of answers;
#   - generated/page/page_import_deps.js: an Emscripten library with the
#     imports' dependencies (Asyncify for those that wait) and the answers'
#     names;
#   - VELMO_PAGE_WAITING_IMPORTS: the imports Asyncify lets suspend.
# velmo_page_link_options(TARGET) links TARGET against the page's imports
# with the Asyncify settings the program needs; the program and its tests
# under node take them from here alike.

set(velmo_page_import_list ${PROJECT_SOURCE_DIR}/src/system/web/page_imports.txt)
set(velmo_page_generated ${CMAKE_BINARY_DIR}/generated/page)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${velmo_page_import_list})

file(STRINGS ${velmo_page_import_list} velmo_page_lines REGEX "^[a-z]+:")
set(velmo_declarations "")
set(velmo_enums "")
set(velmo_deps "")
set(VELMO_PAGE_WAITING_IMPORTS "")
set(velmo_imports "")
set(velmo_answer_lists "")
foreach(line IN LISTS velmo_page_lines)
    string(REGEX MATCH "^([a-z]+):(.*)$" _ "${line}")
    set(kind ${CMAKE_MATCH_1})
    string(REPLACE "|" ";" fields "${CMAKE_MATCH_2}")
    list(TRANSFORM fields STRIP)
    list(GET fields 0 name)
    if(kind STREQUAL "import")
        list(LENGTH fields count)
        if(NOT count EQUAL 4)
            message(FATAL_ERROR "${velmo_page_import_list}: an import takes four fields: ${line}")
        endif()
        list(GET fields 1 waits)
        list(GET fields 2 returns)
        list(GET fields 3 parameters)
        string(APPEND velmo_declarations "${returns} ${name}(${parameters});\n")
        list(APPEND velmo_imports ${name})
        if(waits STREQUAL "waits")
            list(APPEND VELMO_PAGE_WAITING_IMPORTS ${name})
        elseif(NOT waits STREQUAL "-")
            message(FATAL_ERROR "${velmo_page_import_list}: 'waits' or '-', not '${waits}': ${line}")
        endif()
    elseif(kind STREQUAL "answers")
        list(SUBLIST fields 1 -1 values)
        string(SUBSTRING ${name} 0 1 first)
        string(TOUPPER ${first} first)
        string(SUBSTRING ${name} 1 -1 rest)
        set(enumerators "")
        set(names "")
        foreach(value IN LISTS values)
            string(SUBSTRING ${value} 0 1 initial)
            string(TOUPPER ${initial} initial)
            string(SUBSTRING ${value} 1 -1 tail)
            list(APPEND enumerators "${initial}${tail}")
            list(APPEND names "'${value}'")
        endforeach()
        list(JOIN enumerators ", " enumerators)
        list(JOIN names ", " names)
        string(APPEND velmo_enums "enum class Page${first}${rest}Answer : int { ${enumerators} };\n")
        string(APPEND velmo_deps "  $velmo_${name}_answers: [${names}],\n")
        list(APPEND velmo_answer_lists "'$velmo_${name}_answers'")
    else()
        message(FATAL_ERROR "${velmo_page_import_list}: 'import:' or 'answers:', not: ${line}")
    endif()
endforeach()

# Every import may use the answers' names and malloc (for a text it hands
# back); those that wait need Asyncify.
foreach(name IN LISTS velmo_imports)
    set(deps ${velmo_answer_lists} "'malloc'")
    if(name IN_LIST VELMO_PAGE_WAITING_IMPORTS)
        list(APPEND deps "'$Asyncify'")
    endif()
    list(JOIN deps ", " deps)
    string(APPEND velmo_deps "  ${name}__deps: [${deps}],\n")
endforeach()

file(CONFIGURE OUTPUT ${velmo_page_generated}/system/web/page_imports.h CONTENT
"// Generated from src/system/web/page_imports.txt by cmake/PageImports.cmake.
#pragma once

#include <cstddef>
#include <cstdint>

extern \"C\" {
${velmo_declarations}}

namespace velmo {
${velmo_enums}} // namespace velmo
")
file(CONFIGURE OUTPUT ${velmo_page_generated}/page_import_deps.js CONTENT
"// Generated from src/system/web/page_imports.txt by cmake/PageImports.cmake.
mergeInto(LibraryManager.library, {
${velmo_deps}});
")

add_library(velmo_page_imports INTERFACE)
target_include_directories(velmo_page_imports INTERFACE ${velmo_page_generated})

# Asyncify instruments only what can be on the stack when the program
# waits: our own functions (every wait is reached from the page's calls
# through them: the event table's, the virtual Clock, Platform, FileSystem
# and WebStorage) and std::function's call, through which a FileSystem
# change or a highscore update calls back into them.  Left to itself,
# Asyncify takes every indirect call as a way to wait and instruments nearly
# everything, the library's streams and strings too (332 KB of .wasm, 96 KB
# gzipped, against 219 KB and 78 KB).  So indirect calls are taken as never
# waiting unless their caller is listed here; a library function that called
# back into one of ours that waits would break this.  std::function's call
# is mostly inlined into its caller, so its names often match nothing (the
# build then warns of a "non-matching pattern"); they are listed for where it
# is not, and tests/web/asyncify_through_std_function.cpp runs such a pause
# as the page calls the program.  A function template's name begins with
# its return type: "void velmo::*" takes in the panels' button operations
# (Run<Trainer, &Trainer::Method>), through which every press that pauses
# goes.
function(velmo_page_link_options target)
    list(JOIN VELMO_PAGE_WAITING_IMPORTS "," waiting)
    target_link_libraries(${target} PRIVATE velmo_page_imports)
    target_link_options(${target} PRIVATE
        -sASYNCIFY=1 -sASYNCIFY_IGNORE_INDIRECT=1
        "-sASYNCIFY_ADD=[velmo::*,void velmo::*,velmo_*,std::__2::function*,std::__2::__function::__value_func*]"
        "-sASYNCIFY_IMPORTS=[${waiting}]"
        "SHELL:--js-library ${PROJECT_SOURCE_DIR}/src/app/web/page_imports.js"
        "SHELL:--js-library ${velmo_page_generated}/page_import_deps.js")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/web/page_imports.js
                                                               ${velmo_page_generated}/page_import_deps.js)
endfunction()
