# Layers point down: the rules include no other subsystem, the computer player
# nothing of the window's, and the drawing nothing of the computer player or
# the event handlers. Run as `cmake -DSRC=<source folder> -P layers.cmake`;
# names every #include that reaches the wrong way and fails when there is one.
cmake_minimum_required(VERSION 3.25)

set(forbidden_core ai app flow platform record settings sound ui)
set(forbidden_ai flow platform record sound ui)
set(forbidden_ui ai flow)
set(forbidden_game app flow platform record settings sound ui)

set(wrong 0)
foreach(layer core ai ui game)
    file(GLOB_RECURSE files "${SRC}/${layer}/*.h" "${SRC}/${layer}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_]+/")
        foreach(line IN LISTS includes)
            string(REGEX MATCH "[\"<](([A-Za-z_]+)/[^\">]*)" found "${line}")
            if(CMAKE_MATCH_2 IN_LIST forbidden_${layer})
                file(RELATIVE_PATH where "${SRC}" "${file}")
                list(JOIN forbidden_${layer} ", " which)
                message("layers: ${where} includes ${CMAKE_MATCH_1} (${layer} may not include ${which})")
                math(EXPR wrong "${wrong} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

if(wrong GREATER 0)
    message(FATAL_ERROR "layers: ${wrong} include(s) point the wrong way")
endif()
message("layers: every include points down")
