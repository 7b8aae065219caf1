# The floors of game/ (docs/ARCHITECTURE.md): every #include "..." of a file in game/ names a
# header of its own folder and floor, or one on a lower floor. Fails, naming each include that
# runs upward.
#
#   cmake -DGAME_DIR=<the game folder> -P check_floors.cmake
cmake_minimum_required(VERSION 3.25)

# The floors from the ground up. Folders on one floor stand side by side and include nothing
# of each other; only the screens, which open each other, share their floor. A file's path says
# its floor: what lies in a folder's ui/ is a screen and stands on the screens' floor, anything
# else of the folder on the folder's own.
set(floors
  "state"                                             # the record and its plain values
  "hardware career development rest settings music"   # the catalogues that need no other
  "software"                                          # runs on the hardware
  "virus"                                             # reads the jobs, parts and programs
  "internet"                                          # sells programs and levels, brings viruses
  "saves"                                             # the saved-game table reads every catalogue
  "world"                                             # new game and the daily tick
  "kit"                                               # what every screen builds with
  "flow"                                              # the shell, the menu and the main screen
  "_screens_"                                         # every subsystem's ui/
  "_wiring_"                                          # GameWiring and main.cpp, in game/ itself
)

# A floor that stands on some of the floors below it only: the kit knows the record and
# nothing of the rules.
set(stands_on_kit "state")

# Includes that still run upward, "file -> header", each with the reason.
set(allowed_upward
)

if(NOT GAME_DIR OR NOT IS_DIRECTORY "${GAME_DIR}")
  message(FATAL_ERROR "check_floors: GAME_DIR is not a folder: '${GAME_DIR}'")
endif()
get_filename_component(GAME_DIR "${GAME_DIR}" ABSOLUTE)

set(rank 0)
foreach(floor IN LISTS floors)
  string(REPLACE " " ";" members "${floor}")
  foreach(member IN LISTS members)
    set(rank_of_${member} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The folder and the floor of a file given relative to GAME_DIR.
function(place_of file out_folder out_rank out_floor)
  string(FIND "${file}" "/" slash)
  if(slash EQUAL -1)
    set(${out_folder} "." PARENT_SCOPE)
    set(${out_rank} ${rank_of__wiring_} PARENT_SCOPE)
    set(${out_floor} "_wiring_" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${file}" 0 ${slash} folder)
  if("${file}" MATCHES "^[^/]+/ui/")
    set(floor "_screens_")
  elseif(DEFINED rank_of_${folder})
    set(floor "${folder}")
  else()
    message(FATAL_ERROR "check_floors: ${file} is in a folder no floor names: ${folder}/")
  endif()
  set(${out_folder} "${folder}" PARENT_SCOPE)
  set(${out_rank} ${rank_of_${floor}} PARENT_SCOPE)
  set(${out_floor} "${floor}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${GAME_DIR}" "${GAME_DIR}/*.h" "${GAME_DIR}/*.cpp")
list(SORT files)
set(upward 0)
set(used_allowances "")
foreach(file IN LISTS files)
  place_of("${file}" folder rank floor)
  get_filename_component(here "${file}" DIRECTORY)
  file(STRINGS "${GAME_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" name "${line}")
    # A header beside the file, else one named from game/; anything else (a generated file)
    # is not the game's.
    if(here AND EXISTS "${GAME_DIR}/${here}/${name}")
      set(header "${here}/${name}")
    elseif(EXISTS "${GAME_DIR}/${name}")
      set(header "${name}")
    else()
      continue()
    endif()
    place_of("${header}" to_folder to_rank to_floor)
    if(to_rank LESS rank AND (NOT DEFINED stands_on_${floor} OR to_floor IN_LIST stands_on_${floor}))
      continue()
    endif()
    if(to_rank EQUAL rank AND (to_folder STREQUAL folder OR floor STREQUAL "_screens_"))
      continue()
    endif()
    if("${file} -> ${header}" IN_LIST allowed_upward)
      list(APPEND used_allowances "${file} -> ${header}")
      continue()
    endif()
    string(REGEX REPLACE "^_(.*)_$" "\\1" floor "${floor}")
    string(REGEX REPLACE "^_(.*)_$" "\\1" to_floor "${to_floor}")
    if(to_rank LESS rank)
      set(why "which ${floor} does not stand on")
    else()
      set(why "from floor ${rank} (${floor})")
    endif()
    message(NOTICE "game/${file}: includes ${header}, on floor ${to_rank} (${to_floor}), ${why}")
    math(EXPR upward "${upward} + 1")
  endforeach()
endforeach()

foreach(allowance IN LISTS allowed_upward)
  if(NOT allowance IN_LIST used_allowances)
    message(STATUS "check_floors: no longer needed, remove it from allowed_upward: ${allowance}")
  endif()
endforeach()

list(LENGTH files count)
if(upward GREATER 0)
  message(FATAL_ERROR "check_floors: ${upward} include(s) run upward (docs/ARCHITECTURE.md)")
endif()
message(STATUS "check_floors: ${count} files of game/, every include on its own floor or below")
