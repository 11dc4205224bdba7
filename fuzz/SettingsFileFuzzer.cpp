// Any bytes as "Configuracion.ini": reading must not crash; saving the values read and
// reading again must give the same values, and saving them once more the same bytes.

#include "FuzzSupport.h"
#include "settings/SettingsFile.h"

using namespace folia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::inWorkFolder(QStringLiteral("Configuracion.ini"));
    fuzz::writeFile(path, fuzz::bytesOf(data, size));

    const Settings first = loadSettings(path);
    fuzz::check(first.footer1.text.size() <= 99 && first.footer2.text.size() <= 99,
                "footer texts keep at most 99 characters");
    fuzz::check(saveSettings(first, path).ok(), "the settings can be saved");
    const QByteArray saved = fuzz::readFile(path);
    const Settings second = loadSettings(path);
    fuzz::check(second == first, "a save and a read give back the values read");
    fuzz::check(saveSettings(second, path).ok() && fuzz::readFile(path) == saved,
                "saving the same values again changes no byte");
    return 0;
}
