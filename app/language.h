// The language of the program's texts. Dutch is the program's own: every
// text is written in Dutch in the code, and the window, its About box and
// its messages read so unless the user's language list asks for English
// before Dutch, in which case the English translation carried inside the
// program is used. No other language is offered, so any other list (the C
// locale, German, French) gets Dutch, as the window was designed.
#pragma once

#include <QString>
#include <QStringList>

// Whether a list of languages, most wanted first ("en-GB", "nl", "C"...),
// asks for English: its first entry that is English or Dutch is English.
bool engelsgevraagd(const QStringList& languages);

// Chooses the language for this run from the user's list (the system
// locale's, on Linux from LANGUAGE, LC_ALL, LC_MESSAGES and LANG), and with
// English installs its translation; before the application object exists
// only the choice is made, and the installation follows at the next call
// after it has been made.
void kiestaal();

// A text of the program in the chosen language, also before the
// application object exists (the messages of a platform that fails to
// start, the command line's help).
QString vertaal(const char* context, const char* text);
