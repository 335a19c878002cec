# Read by cpack for each package it makes.
if(CPACK_GENERATOR STREQUAL "DEB")
  # Without dpkg-shlibdeps CPack would make a .deb that names none of the libraries the program
  # links to (the Qt libraries among them), and say so only in passing.
  find_program(TESSAFORM_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT TESSAFORM_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "The .deb needs dpkg-shlibdeps to list its dependencies: "
                        "apt-get install dpkg-dev")
  endif()
endif()
