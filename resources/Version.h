// The version of Qivdesk, in the one place that the version resource, the uninstall entry and the release
// package (scripts/package) take it from. Plain defines: the resource compiler reads this file too.
#pragma once

#define QIV_VERSION_MAJOR 2
#define QIV_VERSION_MINOR 0
#define QIV_VERSION_TEXT "2.0"
