# Copies the Excel template and reference workbooks into the catalog folder; missing ones are skipped.
if(EXISTS ${SRC}/Spec.xlt)
  file(COPY ${SRC}/Spec.xlt DESTINATION ${DST}/BLANK)
endif()
foreach(name Sovmest Connect Podves Nagruzki)
  if(EXISTS ${SRC}/${name}.xls)
    file(COPY ${SRC}/${name}.xls DESTINATION ${DST})
  endif()
endforeach()
