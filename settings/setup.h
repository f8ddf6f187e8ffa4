// Settings store and the Setup dialog.
#pragma once
