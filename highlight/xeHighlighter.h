// Highlighter framework: attributes, the highlighter base class, notification chains.
#pragma once
