# Checks the firmware text that the program is to carry (FIRMWARE_HEX) the way the program reads
# it, so that an image the program would refuse to offer stops the build instead: line 1 the
# version title ("VER 01.004.014"), then Intel HEX records, each with its length and checksum
# right, ending in the end-of-file record; the data bytes stand without a gap from address 0
# (address records may move on to the next 64 KB, no further than the row labels reach).
# Line ends CR LF, LF or CR, a UTF-8 byte-order mark at the start and blanks or tabs after a
# record are accepted, as the program accepts them.
#
# include() it and call check_firmware_hex(<file>), or run it as a script:
#   cmake -DFIRMWARE_HEX=<file> -P CheckFirmwareHex.cmake

# Empty lines are lines: run as a script, CMake would otherwise drop them from the line list.
cmake_policy(SET CMP0007 NEW)

function(firmware_hex_fail path line reason)
  message(FATAL_ERROR "FIRMWARE_HEX ${path}: line ${line}: ${reason}")
endfunction()

function(check_firmware_hex path)
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    message(FATAL_ERROR "FIRMWARE_HEX: no file ${path}")
  endif()
  file(READ "${path}" start LIMIT 3 HEX)
  set(offset 0)
  if(start STREQUAL "efbbbf")
    set(offset 3)
  endif()
  file(READ "${path}" text OFFSET ${offset})
  # Only the characters of a title and of records matter; anything else (";" and brackets,
  # which would split or join the list below) becomes "?", which no record accepts.
  string(REGEX REPLACE "[^0-9A-Za-z:. \t\r\n]" "?" text "${text}")
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\r" "\n" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}") # the last line's break
  string(REPLACE "\n" ";" lines "${text}")

  list(LENGTH lines count)
  if(count EQUAL 0)
    firmware_hex_fail("${path}" 1 "no version title")
  endif()
  list(GET lines 0 title)
  if(NOT title MATCHES "^....[^.]*\\.[ \t]*0*([0-9]+)[ \t]*\\.[ \t]*0*([0-9]+)[ \t]*$")
    firmware_hex_fail("${path}" 1 "the version title \"${title}\" is not of the form \"VER 01.004.014\"")
  endif()
  # The program reads each number as a 32-bit integer.
  foreach(version IN ITEMS "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    string(LENGTH "${version}" digits)
    if(digits GREATER 10 OR (digits EQUAL 10 AND version STRGREATER "2147483647"))
      firmware_hex_fail("${path}" 1 "the version number ${version} is too large")
    endif()
  endforeach()

  set(number 1)
  set(base 0)    # from the address records
  set(next 0)    # the address the next data byte must have
  set(ended FALSE)
  list(REMOVE_AT lines 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "[ \t]+$" "" line "${line}")
    if(NOT line MATCHES "^:(([0-9A-Fa-f][0-9A-Fa-f])+)$")
      firmware_hex_fail("${path}" ${number} "not an Intel HEX record")
    endif()
    set(digits "${CMAKE_MATCH_1}")
    string(LENGTH "${digits}" length)
    string(SUBSTRING "${digits}" 0 2 size)
    math(EXPR size "0x${size}")
    math(EXPR expected "${size} * 2 + 10")
    if(NOT length EQUAL expected)
      firmware_hex_fail("${path}" ${number} "the record's length byte does not match its data")
    endif()
    string(REGEX REPLACE "([0-9A-Fa-f][0-9A-Fa-f])" "+0x\\1" sum "${digits}")
    math(EXPR sum "(0${sum}) % 256")
    if(NOT sum EQUAL 0)
      firmware_hex_fail("${path}" ${number} "wrong checksum")
    endif()
    string(SUBSTRING "${digits}" 2 4 address)
    string(SUBSTRING "${digits}" 6 2 type)
    math(EXPR address "0x${address}")
    if(type STREQUAL "01")
      set(ended TRUE)
      break()
    elseif(type STREQUAL "02" OR type STREQUAL "04")
      if(NOT size EQUAL 2)
        firmware_hex_fail("${path}" ${number} "an address record holds two bytes")
      endif()
      string(SUBSTRING "${digits}" 8 4 value)
      if(type STREQUAL "02")
        math(EXPR base "0x${value} * 16")
      else()
        math(EXPR base "0x${value} * 65536")
      endif()
    elseif(type STREQUAL "00" AND size EQUAL 0)
      # A data record without bytes places nothing, wherever its address points.
    elseif(type STREQUAL "00")
      math(EXPR at "${base} + ${address}")
      # Past a 64 KB boundary a file may carry on from address 0 without an address record.
      math(EXPR wrapped "${at} + 65536")
      math(EXPR intoSegment "${next} % 65536")
      if(NOT at EQUAL next AND wrapped EQUAL next AND intoSegment EQUAL 0)
        math(EXPR base "${base} + 65536")
        set(at ${next})
      endif()
      if(NOT at EQUAL next)
        firmware_hex_fail("${path}" ${number} "data at ${at} where ${next} was due: the bytes must follow each other from address 0")
      endif()
      math(EXPR next "${next} + ${size}")
      if(next GREATER 1048576)
        firmware_hex_fail("${path}" ${number} "the image is larger than 1 MB")
      endif()
    elseif(NOT type STREQUAL "03" AND NOT type STREQUAL "05")
      firmware_hex_fail("${path}" ${number} "unknown record type ${type}")
    endif()
  endforeach()
  if(NOT ended)
    firmware_hex_fail("${path}" ${number} "no end-of-file record")
  endif()
  if(next EQUAL 0)
    firmware_hex_fail("${path}" ${number} "the image holds no data")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  check_firmware_hex("${FIRMWARE_HEX}")
endif()
