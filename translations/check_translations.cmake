# Fails when lupdate would change the language module's source: a text of the sources that the
# .ts lacks, or a translation still unfinished. Runs lupdate into a copy, never into the source
# tree. Arguments: LUPDATE, TS_FILE, SOURCE_DIR, SOURCES, OPTIONS, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(COMMAND ${LUPDATE} ${SOURCES} ${OPTIONS} -ts ${copy}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
file(READ ${TS_FILE} before)
file(READ ${copy} after)
# lupdate rewrites the file the same way when nothing changed; any difference is a text added,
# removed or changed in the sources.
if(NOT before STREQUAL after)
  execute_process(COMMAND diff -u ${TS_FILE} ${copy} OUTPUT_VARIABLE changes)
  message(FATAL_ERROR "translations/${name} is not current; run the target tarvix_lupdate and "
                      "translate what it adds:\n${changes}")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"unfinished\"" open "${after}")
list(LENGTH open count)
if(count GREATER 0)
  string(REPLACE ";" "\n" open "${open}")
  message(FATAL_ERROR "${count} texts without an English translation:\n${open}")
endif()
message(STATUS "translations/${name}: every text of the sources is translated")
