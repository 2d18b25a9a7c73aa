// Paints the artwork the way a processor with none of Qt's optional instruction sets would.
// usage: artwork_plain_processor MODULE FOLDER
#include <dlfcn.h>

#include <QAtomicInteger>
#include <QtGlobal>
#include <cstdio>

// Qt's own record of the processor, private to Qt but exported. Debian's Qt 6.4 ignores the
// QT_NO_CPU_FEATURE variable meant for this (it compares names without their leading space), so
// the record is rewritten directly.
extern Q_DECL_IMPORT QBasicAtomicInteger<quint64> qt_cpu_features[1];
extern "C" Q_DECL_IMPORT quint64 qDetectCpuFeatures();

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: artwork_plain_processor MODULE FOLDER\n");
    return 2;
  }
  if (dlopen("libQt6Gui.so.6", RTLD_NOW | RTLD_NOLOAD) != nullptr) {
    std::fprintf(stderr, "Qt Gui is loaded already and has chosen its routines\n");
    return 1;
  }
  // Qt marks its record as filled in with the top bit (QSimdInitialized in qsimd_p.h); that bit
  // alone leaves Qt the instruction sets its build assumes of every processor, and no others.
  constexpr quint64 kDetected = quint64{1} << 63;
  if ((qDetectCpuFeatures() & kDetected) == 0) {
    std::fprintf(stderr, "this Qt keeps its record of the processor differently\n");
    return 1;
  }
  qt_cpu_features[0].storeRelaxed(kDetected);

  void* module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    std::fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  using Paint = int (*)(const char*);
  const auto paint = reinterpret_cast<Paint>(dlsym(module, "KelvoraPaintArtwork"));
  if (paint == nullptr) {
    std::fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  return paint(argv[2]);
}
