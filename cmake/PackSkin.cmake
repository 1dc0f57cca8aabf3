# cmake -DSKINPACK=<tool> -DSKIN_DIR=<folder> -DOUT=<name.skn> -P PackSkin.cmake
# Packs a skin folder and checks the package strictly (warnings fail too); OUT exists afterwards
# only if the check passed.
set(tmp ${OUT}.part.skn)
file(REMOVE ${tmp} ${OUT})

execute_process(COMMAND ${SKINPACK} pack ${SKIN_DIR} ${tmp}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  file(REMOVE ${tmp})
  message(FATAL_ERROR "skinpack pack ${SKIN_DIR} failed (${rc}):\n${out}${err}")
endif()

execute_process(COMMAND ${SKINPACK} check ${tmp} --strict
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  file(REMOVE ${tmp})
  message(FATAL_ERROR "skin ${SKIN_DIR} does not pass skinpack check (${rc}):\n${out}${err}")
endif()

file(RENAME ${tmp} ${OUT})
