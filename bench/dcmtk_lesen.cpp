// The yardstick of bench/struktur.sh: the DICOM library reads the files given, nothing more.
#include <dcmtk/config/osconfig.h>
#include <dcmtk/dcmdata/dcfilefo.h>

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        DcmFileFormat datei;
        // Large values are read on first use; a read of the file reads them all.
        if (datei.loadFile(argv[i]).bad() || datei.loadAllDataIntoMemory().bad())
            return 1;
    }
    return 0;
}
