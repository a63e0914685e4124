# Layers point down. Run as `cmake -DSRC=<source folder> -P layers.cmake`.
# Every folder of the source tree has a place below; a folder may include its
# own headers and those of the folders it stands on, directly or through
# another, and its library links only those. Names every #include and link
# that reaches up or sideways, every include of a folder that the includer's
# library does not link, and every folder without a place; fails when there
# is one.
cmake_minimum_required(VERSION 3.25)

# From the bottom up, each folder and the folders it stands on, which come
# before it. The rules see nothing else; the computer player sees only the
# rules; the records and the settings share the small files' code page and
# disk access; the drawing sees no computer player; the game and its players
# see no window; Form1 sees all of them; app wires the program together.
#
# The platform seam sits at the edge, beside the stack rather than in it: its
# interfaces (platform/: the window, dialogs, clock, sound library, data
# folders, record panel) stand on nothing of the game and are included only
# by the folders that talk to the machine (ui, sound, flow); its Qt and SDL
# implementations (platform/qt, platform/sdl) are included only by app, which
# hands them to Form1.
set(layers
    "core"
    "files"
    "platform"
    "platform/qt: platform"
    "platform/sdl: platform"
    "ai: core"
    "record: core files"
    "settings: core files"
    "ui: record settings platform"
    "sound: platform"
    "game: ai record"
    "flow: game ui sound"
    "app: flow platform/qt platform/sdl")

set(wrong 0)
# report(message): names one wrong include, link or folder.
macro(report text)
    message("layers: ${text}")
    math(EXPR wrong "${wrong} + 1")
endmacro()

# below_<folder>: every folder it stands on, through others too; lib_<folder>:
# its library, if its CMakeLists.txt makes one; links_<folder>: the folders
# whose libraries it links, through others too.
set(folders "")
foreach(entry IN LISTS layers)
    string(REGEX MATCH "^([a-z_/]+):?(.*)$" _ "${entry}")
    set(folder "${CMAKE_MATCH_1}")
    separate_arguments(stands UNIX_COMMAND "${CMAKE_MATCH_2}")
    set(below_${folder} "")
    foreach(lower IN LISTS stands)
        if(NOT lower IN_LIST folders)
            message(FATAL_ERROR "layers: ${folder} stands on ${lower}, which is not below it")
        endif()
        list(APPEND below_${folder} ${lower} ${below_${lower}})
    endforeach()
    list(REMOVE_DUPLICATES below_${folder})
    list(SORT below_${folder})
    list(APPEND folders "${folder}")
    if(EXISTS "${SRC}/${folder}/CMakeLists.txt")
        file(READ "${SRC}/${folder}/CMakeLists.txt" cmake_${folder})
        if(cmake_${folder} MATCHES "murokan_library\\(([A-Za-z0-9_]+)")
            set(lib_${folder} "${CMAKE_MATCH_1}")
            set(folder_of_${CMAKE_MATCH_1} "${folder}")
        endif()
    endif()
endforeach()

# direction(<from> <to> <var>): "upward" when <to> stands on <from>, else
# "sideways".
function(direction from to var)
    if(from IN_LIST below_${to})
        set(${var} "upward" PARENT_SCOPE)
    else()
        set(${var} "sideways" PARENT_SCOPE)
    endif()
endfunction()

# may(<folder> <var>): the folders <folder> may use, as a text.
function(may folder var)
    list(JOIN below_${folder} ", " text)
    if(text STREQUAL "")
        set(text "nothing")
    endif()
    set(${var} "${folder} may use ${text}" PARENT_SCOPE)
endfunction()

# Link lines, bottom up, so that a folder's links extend those of the folders
# it links.
foreach(folder IN LISTS folders)
    set(links_${folder} "")
    string(REGEX MATCHALL "murokan_[A-Za-z0-9_]+" tokens "${cmake_${folder}}")
    foreach(lib IN LISTS tokens)
        set(to "${folder_of_${lib}}")
        if(to STREQUAL "" OR to STREQUAL folder)
            continue()
        endif()
        list(APPEND links_${folder} ${to} ${links_${to}})
        if(NOT to IN_LIST below_${folder})
            direction(${folder} ${to} way)
            may(${folder} allowed)
            report("${folder}/CMakeLists.txt links ${lib}: ${way} (${allowed})")
        endif()
    endforeach()
endforeach()

file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(placeless "")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    if(NOT folder IN_LIST folders)
        list(APPEND placeless "${folder}")
        continue()
    endif()
    file(STRINGS "${SRC}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_/]+/")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "[\"<](([A-Za-z_/]+)/[^/\">]+)" _ "${line}")
        set(included "${CMAKE_MATCH_1}")
        set(to "${CMAKE_MATCH_2}")
        if(NOT to IN_LIST folders OR to STREQUAL folder)
            continue()  # a system header, or the folder's own
        endif()
        if(NOT to IN_LIST below_${folder})
            direction(${folder} ${to} way)
            may(${folder} allowed)
            report("${file} includes ${included}: ${way} (${allowed})")
        elseif(DEFINED lib_${to} AND DEFINED cmake_${folder} AND NOT to IN_LIST links_${folder})
            report("${file} includes ${included}, but ${folder}/CMakeLists.txt does not link ${lib_${to}}")
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES placeless)
foreach(folder IN LISTS placeless)
    report("${folder}/ has no place in the layers")
endforeach()

if(wrong GREATER 0)
    message(FATAL_ERROR "layers: ${wrong} include(s), link(s) or folder(s) out of place")
endif()
message("layers: every include and link points down")
