#pragma once

// Pins the C library's idea of the local time zone for the life of the process. Without TZ,
// glibc looks at /etc/localtime again on every local-time conversion, which a search makes for
// every file it lists; with TZ naming that same file it is read once.
void PinLocalTimeZone();
