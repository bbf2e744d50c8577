# The Qt check itself: over a small tree of its own, every form of Qt include outside platform/ is reported and
# nothing else is. WORK is an empty folder to build the tree in, CHECK the check's script.
file(REMOVE_RECURSE ${WORK})
# The include lines are put together from pieces, so that this file holds no Qt include of its own.
set(Q "Q")
set(q "q")
set(flagged
  "#include <${Q}tWidgets>"
  "#include <${Q}tCore>"
  "#  include <${Q}tCore/${Q}String>"
  "#include <${Q}Widget>"
  "#include \"${Q}TreeWidget\""
  "#include <${q}global.h>")
set(allowed
  "#include \"${Q}tText.h\""
  "#include <${q}ueue>"
  "#include \"CTreeCtrl.h\""
  "// #include <${Q}tWidgets> in a comment")
set(index 0)
foreach(line IN LISTS flagged)
  file(WRITE ${WORK}/editor/flagged${index}.cpp "${line}\n")
  math(EXPR index "${index} + 1")
endforeach()
list(JOIN allowed "\n" clean)
file(WRITE ${WORK}/editor/clean.h "${clean}\n")
file(WRITE ${WORK}/platform/src/Widget.cpp "#include <${Q}tWidgets>\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK} RESULT_VARIABLE result ERROR_VARIABLE report)
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a tree with Qt includes outside platform/")
endif()
foreach(line IN LISTS flagged)
  string(STRIP "${line}" line)
  string(FIND "${report}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not reported: ${line}\n${report}")
  endif()
endforeach()
foreach(name clean.h Widget.cpp)
  string(FIND "${report}" "${name}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "wrongly reported: ${name}\n${report}")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK}/editor)
file(WRITE ${WORK}/editor/clean.h "${clean}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK} RESULT_VARIABLE result ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the check failed a tree without Qt includes outside platform/:\n${report}")
endif()
file(REMOVE_RECURSE ${WORK})
