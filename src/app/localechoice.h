#pragma once

// Chooses the character set before the application object exists: where no
// locale is set at all (LC_ALL, LC_CTYPE and LANG unset, as under env -i, cron
// or a bare container), Tintwright reads and writes UTF-8 text, as Qt needs,
// without Qt's four-line complaint about the C locale on every start. A
// locale the user did set is left to Qt, complaint and all.
void PreferUtf8WhereNoLocaleIsSet();
