# Copies each of FILES into DESTINATION unless a file of that name is already there, so the
# data files first delivered never overwrite a player's records.
file(MAKE_DIRECTORY "${DESTINATION}")
foreach(file IN LISTS FILES)
  get_filename_component(name "${file}" NAME)
  if(NOT EXISTS "${DESTINATION}/${name}")
    file(COPY "${file}" DESTINATION "${DESTINATION}")
    message(STATUS "Placed ${name} in ${DESTINATION}")
  endif()
endforeach()
