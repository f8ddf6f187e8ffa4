// The window-free editing model behind TxeCustomEdit.
#pragma once
