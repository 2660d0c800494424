# Steps of the clock's install, run by cmake --install. CMAKE_INSTALL_PREFIX
# is the prefix given there, which may differ from the configured one; the
# ORVALEN_* variables come from packaging/CMakeLists.txt.
cmake_policy(VERSION 3.25)

# The clock keeps setting.dat in its own folder, so an install there that
# its users could not write is refused unless asked for.
function(orvalen_refuse_shared_install)
  if(ORVALEN_SHARED_INSTALL)
    return()
  endif()
  cmake_path(GET ORVALEN_PROGRAM PARENT_PATH folder)
  set(folder "${CMAKE_INSTALL_PREFIX}/${folder}")
  # What the install writes into: the folder, or its nearest ancestor.
  set(existing "${folder}")
  while(NOT IS_DIRECTORY "${existing}")
    cmake_path(GET existing PARENT_PATH existing)
  endwhile()
  execute_process(COMMAND test -w "${existing}" RESULT_VARIABLE unwritable)
  execute_process(COMMAND test -O "${existing}" RESULT_VARIABLE not_owned)
  execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(home "$ENV{HOME}")
  set(in_home OFF)
  if(home)
    cmake_path(IS_PREFIX home "${CMAKE_INSTALL_PREFIX}" NORMALIZE in_home)
  endif()
  if(unwritable)
    set(reason "you cannot write to ${existing}")
  elseif(uid EQUAL 0 AND (not_owned OR NOT in_home))
    # Root can write anywhere; only what it owns in its own home is its own.
    set(reason "you are root, and ${CMAKE_INSTALL_PREFIX} is not a folder of your own home, so the users who start the clock could not write there")
  else()
    return()
  endif()
  message(FATAL_ERROR "Orvalen is installed for one user: it keeps its settings (setting.dat) in its own folder, ${folder}, which the user who runs it must be able to write. Not here: ${reason}.

Install it as the user who will run it, into a folder of theirs, such as the default ~/.local:
  cmake --install ${ORVALEN_BUILD_DIR} --prefix ~/.local

To install it for every user anyway, configure
  cmake -DORVALEN_SHARED_INSTALL=ON ${ORVALEN_BUILD_DIR}
and install again. The users then share one folder that they cannot write: closing the clock cannot save its position and settings, and shows a message saying so.")
endfunction()

# The desktop entry, naming the installed program by its absolute path, into `folder`.
function(orvalen_install_entry folder)
  set(exec "${CMAKE_INSTALL_PREFIX}/${ORVALEN_LINK}")
  # Escaped and quoted as the Exec key wants.
  string(REPLACE "%" "%%" exec "${exec}")
  if(exec MATCHES "[ \t\"'\\\\<>~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
  endif()
  string(REPLACE "\\" "\\\\" ORVALEN_EXEC "${exec}")
  configure_file("${ORVALEN_ENTRY_TEMPLATE}" "${ORVALEN_ENTRY}" @ONLY)
  file(INSTALL "${ORVALEN_ENTRY}" DESTINATION "${folder}")
  # file(INSTALL) records into this scope; the manifest is written from the caller's.
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# Start at login: the same entry in the XDG autostart folder of the user who installs.
function(orvalen_install_autostart)
  if(NOT EXISTS "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ORVALEN_LINK}")
    message(FATAL_ERROR "Start at login starts the installed clock, and there is none at ${CMAKE_INSTALL_PREFIX}/${ORVALEN_LINK}. Install it first:
  cmake --install ${ORVALEN_BUILD_DIR}")
  endif()
  set(config "$ENV{XDG_CONFIG_HOME}")
  # Unset, empty or relative, it does not count.
  if(NOT IS_ABSOLUTE "${config}")
    set(config "$ENV{HOME}/.config")
  endif()
  orvalen_install_entry("${config}/autostart")
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# Icon themes that keep a cache read new icons only once it is refreshed.
# Only a cache that is there already: a new one would hide the icons that
# later installs add without refreshing it. Never fails: the icons are there
# either way.
function(orvalen_refresh_icon_cache prefix)
  # A staged install is for another system, whose caches are its own.
  if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
  endif()
  set(theme "${prefix}/share/icons/hicolor")
  find_program(update_icons gtk-update-icon-cache)
  if(update_icons AND EXISTS "${theme}/icon-theme.cache")
    execute_process(COMMAND "${update_icons}" -q -t -f "${theme}")
  endif()
endfunction()
