#pragma once
// The author's web site (help pages, "version.txt", the site links) and the author's credits.
// TESSARINE_SITE_URL overrides the address, so tests can point the program at a local server.

#include <QString>

namespace app {

// Ends with "/".
QString SiteAddress();
QString AuthorName();
QString AuthorMail();

} // namespace app
