#!/usr/bin/env bash
# A stand-in for systemd-logind on the private system bus: PowerOff powers nothing off; every
# call is kept. start|stop|status, as dbusmock.sh.
exec bash "$(dirname "${BASH_SOURCE[0]}")/dbusmock.sh" logind org.freedesktop.login1 "$@"
