# Puts a freshly built database into the program folder without ever losing rows someone
# entered there: the shipped file is replaced only while it is still exactly what the build put
# there last time (or missing); an edited file stays, and the new one waits beside it.
#   cmake -DNEU=<fresh file> -DZIEL=<file in the program folder> -DZULETZT=<copy of the last one
#         the build put there> -P DatenbankAusliefern.cmake
foreach(v NEU ZIEL ZULETZT)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "${v} fehlt")
  endif()
endforeach()

function(summe datei ergebnis)
  if(EXISTS "${datei}")
    file(SHA256 "${datei}" s)
  else()
    set(s "")
  endif()
  set(${ergebnis} "${s}" PARENT_SCOPE)
endfunction()

summe("${NEU}" neu)
summe("${ZIEL}" ziel)
summe("${ZULETZT}" zuletzt)

if(ziel STREQUAL neu)
  # Already the current one.
elseif(ziel STREQUAL "" OR ziel STREQUAL zuletzt)
  # Missing, or untouched since the build put it there: copied beside and renamed, so the
  # program folder never holds half a database.
  file(COPY_FILE "${NEU}" "${ZIEL}.neu")
  file(RENAME "${ZIEL}.neu" "${ZIEL}")
  message(STATUS "${ZIEL} aus dem aktuellen Schema erzeugt")
elseif(NOT neu STREQUAL zuletzt)
  message(WARNING "${ZIEL} wurde verändert und bleibt, wie es ist. "
                  "Die Datenbank zum neuen Schema liegt in ${NEU}.")
  return()
else()
  return() # edited, and the schema is the same as before: nothing to say
endif()
if(NOT neu STREQUAL zuletzt)
  file(COPY_FILE "${NEU}" "${ZULETZT}")
endif()
