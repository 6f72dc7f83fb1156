# Copies the bell sounds, button pictures and help text into the program folder, and writes the
# systemd user unit for it.
# Run with -DSOURCE=<project root> -DPROGRAM=<program folder>.
file(MAKE_DIRECTORY ${PROGRAM}/sound ${PROGRAM}/img)
file(GLOB sounds ${SOURCE}/assets/sound/*.wav)
file(GLOB pictures ${SOURCE}/assets/img/*.gif ${SOURCE}/assets/img/*.png)
if(sounds)
  file(COPY ${sounds} DESTINATION ${PROGRAM}/sound)
endif()
if(pictures)
  file(COPY ${pictures} DESTINATION ${PROGRAM}/img)
endif()
# The captioned pictures' faces and glyphs, and what each picture says, for captions the window
# draws itself in another language.
foreach(part face glyph captions.json)
  if(EXISTS ${SOURCE}/assets/img/${part})
    file(COPY ${SOURCE}/assets/img/${part} DESTINATION ${PROGRAM}/img)
  endif()
endforeach()
file(COPY ${SOURCE}/assets/readme.txt DESTINATION ${PROGRAM})

# The systemd user unit that runs this program folder's copy with no window. systemd reads a
# quoted word with C-style escapes and % as its specifier character, and takes no quote or
# backslash in the name of the program it starts: such a path is handed to sh as an argument.
set(exec "${PROGRAM}/Corvalin")
set(unsafe OFF)
if(exec MATCHES "[\"'\\]")
  set(unsafe ON)
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
if(unsafe)
  set(CORVALIN_EXEC "/bin/sh -c \"exec \\\"$$0\\\" \\\"$$@\\\"\" \"${exec}\"")
else()
  set(CORVALIN_EXEC "\"${exec}\"")
endif()
configure_file(${SOURCE}/assets/systemd/corvalin.service.in ${PROGRAM}/corvalin.service @ONLY)
