#!/usr/bin/env bash
# A stand-in for systemd-timedated on the private system bus: SetTime changes nothing; every
# call is kept. start|stop|status, as dbusmock.sh.
exec bash "$(dirname "${BASH_SOURCE[0]}")/dbusmock.sh" timedated org.freedesktop.timedate1 "$@"
