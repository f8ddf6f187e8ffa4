// TxeCustomEdit: the Qt widget that owns an editing model and shows it.
#pragma once
