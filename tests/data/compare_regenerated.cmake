# SPDX-License-Identifier: MIT
# Runs the table generator into OUTPUT and fails unless the result equals COMMITTED byte for byte.
# Called by the test katjo_table_regenerates with -DGENERATOR=... -DOUTPUT=... -DCOMMITTED=...
foreach(var GENERATOR OUTPUT COMMITTED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "compare_regenerated.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the table generator failed (${result})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${COMMITTED}"
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is not the generator's output; compare it with ${OUTPUT} "
                        "and regenerate with the target regenerate_katjo_table")
endif()
