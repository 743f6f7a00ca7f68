#include "embedded_fonts.h"

#include <QDirIterator>
#include <QFontDatabase>

bool RegisterEmbeddedFonts() {
    static const bool registered = [] {
        int loaded = 0;
        bool failed = false;
        for (QDirIterator files(":/fonts"); files.hasNext();) {
            bool loads = QFontDatabase::addApplicationFont(files.next()) >= 0;
            loaded += loads;
            failed |= !loads;
        }
        return loaded > 0 && !failed;
    }();
    return registered;
}
