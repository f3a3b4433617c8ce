# Fails when a file of a layer includes from a layer above its own, or from a folder that is no
# layer (tests, fuzzers, benchmarks), and when a file of a layer made of units lies in no unit or
# includes from a unit above its own. A unit is what comes first under the layer's folder: a
# folder of its own (editors/cxEdit/...) or a file's name without its extension, header and source
# alike (framework/Control.h, framework/Control.cpp). Catches what the include roots cannot: a
# header that no library of its own layer compiles, builds where the folders could not be linked,
# and units, which share one library.
# Usage: cmake -DSOURCE_DIR=<root> -DLAYERS=<lowest>,...,<highest>
#              -DUNITS_LAYERS=<layer>,... -DUNITS_<layer>=<lowest>,...,<highest> ...
#              -P CheckLayers.cmake
string(REPLACE "," ";" LAYERS "${LAYERS}")
string(REPLACE "," ";" UNITS_LAYERS "${UNITS_LAYERS}")
foreach(layer IN LISTS UNITS_LAYERS)
    string(REPLACE "," ";" UNITS_${layer} "${UNITS_${layer}}")
endforeach()
# A relative folder would match no file and pass.
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# The unit a path of a layer made of units lies in, and its rank (-1: none of the units).
function(find_unit layer path)
    set(unit "")
    if(path MATCHES "^${layer}/([^/.]+)")
        set(unit ${CMAKE_MATCH_1})
    endif()
    list(FIND UNITS_${layer} "${unit}" unit_rank)
    set(unit ${unit} PARENT_SCOPE)
    set(unit_rank ${unit_rank} PARENT_SCOPE)
endfunction()

foreach(layer IN LISTS LAYERS)
    list(FIND LAYERS ${layer} rank)
    list(FIND UNITS_LAYERS ${layer} has_units)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h
         ${SOURCE_DIR}/${layer}/*.cpp ${SOURCE_DIR}/${layer}/*.rc)
    foreach(file IN LISTS files)
        set(file_unit_rank -1)
        if(has_units GREATER -1)
            find_unit(${layer} ${file})
            set(file_unit ${unit})
            set(file_unit_rank ${unit_rank})
            if(file_unit_rank EQUAL -1)
                list(JOIN UNITS_${layer} ", " order)
                message(SEND_ERROR "${file} lies in no unit of ${layer}/ (units: ${order})")
            endif()
        endif()
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
            elseif(folder STREQUAL layer AND file_unit_rank GREATER -1)
                find_unit(${layer} ${header})
                if(unit_rank EQUAL -1 OR unit_rank GREATER file_unit_rank)
                    message(SEND_ERROR
                            "${file} (unit ${file_unit}) includes ${header}, above its unit")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()
