#!/bin/sh
# SPDX-License-Identifier: MIT
# unprivileged.sh: file permissions mean nothing to root, so a test of them runs as nobody.
if [ "$(id -u)" = 0 ]; then
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
fi
exec "$@"
