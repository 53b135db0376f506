# Fails when the program has a shown text the English translation lacks, or the translation keeps
# a text the program no longer has. lupdate refreshes a copy of the translation from the sources;
# the copy must then hold no unfinished and no vanished entry.
# cmake -DLUPDATE=... -DLCONVERT=... -DSOURCE_DIR=... -DWORK_DIR=... -P check_translation_complete.cmake
file(GLOB ts_files ${SOURCE_DIR}/translations/velmora_en*.ts)
file(GLOB subsystems LIST_DIRECTORIES true ${SOURCE_DIR}/*)
set(sources)
foreach(dir ${subsystems})
  get_filename_component(name ${dir} NAME)
  if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt AND NOT name MATCHES "^(tests|packaging|cmake|build.*)$")
    list(APPEND sources ${dir})
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${WORK_DIR})
  list(APPEND copies ${WORK_DIR}/${name})
endforeach()
# All parts together, refreshed by one lupdate over every source.
set(inputs)
foreach(copy ${copies})
  list(APPEND inputs -i ${copy})
endforeach()
execute_process(COMMAND ${LCONVERT} ${inputs} -o ${WORK_DIR}/all.ts RESULT_VARIABLE merged)
execute_process(COMMAND ${LUPDATE} -silent -locations none -source-language ru -target-language en
                        ${sources} -ts ${WORK_DIR}/all.ts RESULT_VARIABLE result)
if(NOT merged EQUAL 0 OR NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed")
endif()
file(READ ${WORK_DIR}/all.ts text)
string(REGEX MATCHALL "<translation type=\"(unfinished|vanished|obsolete)\"" unfinished "${text}")
list(LENGTH unfinished count)
# The texts themselves, for the message (a disambiguation comment between them hides a text here,
# not from the count).
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"" bad "${text}")
if(count GREATER 0)
  string(REPLACE ";" "\n" listed "${bad}")
  message(FATAL_ERROR "${count} texts without a finished English translation, or translations of texts the program no longer has:\n${listed}")
endif()
message(STATUS "every shown text has its English translation")
