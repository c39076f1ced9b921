# Runs each probe case as its own process: the control case must pass, every other case must
# fail with the double's own message (a crash or a pass fails this check).
#   cmake -DGTEST_PROBE=... -DQTTEST_PROBE=... -P ExpectChildFailures.cmake

set(cases
  # kind|case|text the output must hold (empty: the case must pass)
  "gtest|ScriptedAsAsked|"
  "gtest|UnscriptedQuestion|unscripted question: Weiter?"
  "gtest|AnswerNotOffered|scripted answer Cancel is not offered"
  "gtest|AnswerLeftUnused|1 scripted answer(s) never asked for at the end of the test: Yes"
  "gtest|AnswerLeftAtClear|never asked for when the shown texts were cleared"
  "gtest|UnpreparedChooser|chooser \"Speichern\" opened with nothing prepared"
  "gtest|ChoiceLeftUnused|1 prepared choice(s) never asked for: /tmp/a.png"
  "qttest|scriptedAsAsked|"
  "qttest|unscriptedQuestion|unscripted question: Weiter?"
  "qttest|answerNotOffered|scripted answer Cancel is not offered"
  "qttest|answerLeftUnused|1 scripted answer(s) never asked for at the end of the test: Yes"
  "qttest|answerLeftAtClear|never asked for when the shown texts were cleared"
  "qttest|unpreparedChooser|chooser \"Speichern\" opened with nothing prepared"
  "qttest|choiceLeftUnused|1 prepared choice(s) never asked for: /tmp/a.png")

set(problems 0)
foreach(entry IN LISTS cases)
  string(REGEX MATCH "^([^|]*)\\|([^|]*)\\|(.*)$" matched "${entry}")
  set(kind "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  set(expected "${CMAKE_MATCH_3}")

  if(kind STREQUAL "gtest")
    set(command "${GTEST_PROBE}" "--gtest_filter=Probe.${name}")
  else()
    set(command "${QTTEST_PROBE}" "${name}")
  endif()
  execute_process(COMMAND ${command} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out
                  TIMEOUT 60)
  if(expected STREQUAL "")
    # A filter that matches nothing passes too: insist the case ran.
    if(kind STREQUAL "gtest")
      set(ran "[  PASSED  ] 1 test.")
    else()
      set(ran "Totals: 3 passed, 0 failed")
    endif()
    string(FIND "${out}" "${ran}" at)
    if(NOT rc EQUAL 0 OR at EQUAL -1)
      message("${kind} ${name}: should pass, exit ${rc}\n${out}")
      math(EXPR problems "${problems} + 1")
    endif()
  elseif(rc EQUAL 0)
    message("${kind} ${name}: passed although the double was misused\n${out}")
    math(EXPR problems "${problems} + 1")
  elseif(NOT rc MATCHES "^[0-9]+$")
    message("${kind} ${name}: did not end normally (${rc})\n${out}")
    math(EXPR problems "${problems} + 1")
  else()
    string(FIND "${out}" "${expected}" at)
    if(at EQUAL -1)
      message("${kind} ${name}: failed, but without \"${expected}\"\n${out}")
      math(EXPR problems "${problems} + 1")
    else()
      message("${kind} ${name}: failed as it should (exit ${rc})")
    endif()
  endif()
endforeach()
if(problems GREATER 0)
  message(FATAL_ERROR "${problems} probe case(s) did not behave")
endif()
