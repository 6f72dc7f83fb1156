# Copies the bell sounds, button pictures and help text into the program folder.
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
file(COPY ${SOURCE}/assets/readme.txt DESTINATION ${PROGRAM})
