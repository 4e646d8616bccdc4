# Regenerates the shipped area-code table from the shared data and compares
# it with data/telnum.dat byte for byte, so the two cannot drift apart.
# Run by ctest: cmake -DPYTHON=... -DSOURCE_DIR=... -DSHARED_DATA=... -DSCRATCH=... -P this file.
set(ken_all "${SHARED_DATA}/KEN_ALL.CSV")
set(areacodes "${SHARED_DATA}/areacodes/areacodes.csv")
if(NOT EXISTS "${ken_all}" OR NOT EXISTS "${areacodes}")
  message("SKIPPED: KEN_ALL.CSV or areacodes/areacodes.csv is not in ${SHARED_DATA}")
  return()
endif()
if(NOT PYTHON)
  message("SKIPPED: no python3 to run tools/telnum/make_telnum.py")
  return()
endif()
execute_process(
  COMMAND "${PYTHON}" "${SOURCE_DIR}/tools/telnum/make_telnum.py" --areacodes "${areacodes}" --output "${SCRATCH}" "${ken_all}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tools/telnum/make_telnum.py failed (${status})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SCRATCH}" "${SOURCE_DIR}/data/telnum.dat" RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "data/telnum.dat is not what tools/telnum/make_telnum.py makes of ${SHARED_DATA} (see ${SCRATCH}): run the script again")
endif()
file(REMOVE "${SCRATCH}")
