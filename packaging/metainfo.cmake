# The AppStream metainfo, written from its template. Its homepage link and
# screenshot need the address where the project is published: without one
# both are left out, rather than pointing software centres at a made-up host.
# Run at configure time, and by the packaging test as a script:
#   cmake -D ORVALEN_HOMEPAGE=<https address or empty> -D template=<in> -D output=<out> -P metainfo.cmake
cmake_policy(VERSION 3.25)

function(orvalen_write_metainfo template output homepage)
  set(web "")
  if(NOT homepage STREQUAL "")
    # Pasted into XML as it is, so nothing that XML would read as markup.
    if(NOT homepage MATCHES "^https://[A-Za-z0-9.-]+(/[^<>&\"' ]*)?$")
      message(FATAL_ERROR "ORVALEN_HOMEPAGE must be an https address (software centres fetch the screenshot from it), not: ${homepage}")
    endif()
    string(REGEX REPLACE "/+$" "" homepage "${homepage}")
    # The screenshot is the README's, where the homepage publishes the source tree.
    string(CONCAT web
      "\n  <url type=\"homepage\">${homepage}</url>\n"
      "  <screenshots>\n"
      "    <screenshot type=\"default\">\n"
      "      <caption>The normal style: the shield above the time, the seconds dial, the date and the days of the week</caption>\n"
      "      <image>${homepage}/docs/face-normal.png</image>\n"
      "    </screenshot>\n"
      "  </screenshots>")
  endif()
  configure_file("${template}" "${output}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  orvalen_write_metainfo("${template}" "${output}" "${ORVALEN_HOMEPAGE}")
endif()
