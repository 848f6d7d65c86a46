// Start of the program: fonts, the single-instance guard, the main window and its load
// handler, then the event loop.
#pragma once

#include <QApplication>
#include <QString>

#include "screen/logic/startup.h"

namespace velkor {

// The command line as one text, the arguments after the program's name joined by blanks.
std::string commandLineText(const QStringList& arguments);
// The screen's size and the frame metrics as the load handler reads them.
StartupEnv startupEnv(const QStringList& arguments);

int runVelkor(QApplication& app);

}  // namespace velkor
