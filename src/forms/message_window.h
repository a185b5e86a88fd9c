// Showing one message in the message window (Form1), sized for the font scale and centred
// on the main window.
#pragma once

#include <string>

#include "form.h"

// Every step of the main window's ShowMessageWindow on the global Form1: the caller has
// set Label1's caption, Form1's Width and Label1's Width. Adds the large-font widths
// only when fontScale is exactly 2, centres on the main window's outer bounds, shows the
// window modally and returns its modal result.
int ShowMessageWindowOver(const vcl::TForm& mainWindow, int fontScale);

// Sets Label1's caption, Form1's Width and Label1's Width, then ShowMessageWindowOver.
void ShowProblemInMessageWindow(const vcl::TForm& mainWindow, int fontScale,
                                const std::string& text, int windowWidth, int labelWidth);
