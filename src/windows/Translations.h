#pragma once

class QCoreApplication;

// Installs the program's translation and Qt's own (the standard buttons of message boxes
// and prompts) for the system's language, as LANGUAGE, LC_ALL, LC_MESSAGES and LANG name
// it; where there is none, the texts stay English.
void InstallTranslations(QCoreApplication& app);
