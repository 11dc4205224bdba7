// Any bytes as "Configuracion.ini": reading must not crash; writing the values read and
// reading again must give the same values, and writing them once more the same bytes.
// The file is held in memory: its reading and writing on disk do not depend on its bytes.

#include "FuzzSupport.h"
#include "settings/SettingsFile.h"

using namespace folia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile ini = IniFile::fromBytes(fuzz::bytesOf(data, size));
    const Settings first = readSettings(ini);
    fuzz::check(first.footer1.text.size() <= 99 && first.footer2.text.size() <= 99,
                "footer texts keep at most 99 characters");
    writeSettings(first, ini);
    const QByteArray saved = ini.toBytes();
    IniFile again = IniFile::fromBytes(saved);
    const Settings second = readSettings(again);
    fuzz::check(second == first, "a write and a read give back the values read");
    writeSettings(second, again);
    fuzz::check(again.toBytes() == saved, "writing the same values again changes no byte");
    return 0;
}
