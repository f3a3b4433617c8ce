# Fails when a file of a layer includes from a layer above its own, or from a folder that is no
# layer (tests, fuzzers, benchmarks). Catches what the include roots cannot: a header that no
# library of its own layer compiles, and builds where the folders could not be linked.
# Usage: cmake -DSOURCE_DIR=<root> -DLAYERS=<lowest>,...,<highest> -P CheckLayers.cmake
string(REPLACE "," ";" LAYERS "${LAYERS}")
foreach(layer IN LISTS LAYERS)
    list(FIND LAYERS ${layer} rank)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h
         ${SOURCE_DIR}/${layer}/*.cpp ${SOURCE_DIR}/${layer}/*.rc)
    foreach(file IN LISTS files)
        file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(include IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"(([^\"/]+)/[^\"]*)\".*" "\\1" header "${include}")
            string(REGEX REPLACE "/.*" "" folder "${header}")
            if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
                continue() # beside the including file
            endif()
            list(FIND LAYERS ${folder} included_rank)
            if(included_rank EQUAL -1 OR included_rank GREATER rank)
                message(SEND_ERROR "${file} (layer ${layer}) includes ${header}, above its layer")
            endif()
        endforeach()
    endforeach()
endforeach()
