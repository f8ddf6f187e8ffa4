// Connects the insert, conversion, link, image, preview and web-link commands to the main
// window's actions.
#pragma once

class TMainForm;

void InstallMarkupCommands(TMainForm& form);
