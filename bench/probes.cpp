#include "bench/probes.h"

#include "app/main_window.h"
#include "bench/quiet_services.h"
#include "content/file_lists.h"
#include "device/device_link.h"
#include "platform/backends.h"
#include "platform/file_operation.h"
#include "platform/program_folder.h"

#include <chrono>
#include <cstdio>

namespace zyntra::bench {
namespace {

std::size_t Listed(const FileLists& lists, Side side) {
    std::size_t listed = 0;
    for (const CategoryInfo& info : kCategories)
        listed += lists.List(side, info.category).size();
    return listed;
}

} // namespace

int StartupProbe(const std::string& programFolder) {
    SetProgramFolder(programFolder);
    std::unique_ptr<Volumes> volumes = MakeVolumes();
    std::unique_ptr<InputMethods> inputMethods = MakeInputMethods();
    std::unique_ptr<Registry> registry = MakeRegistry(*inputMethods);
    std::unique_ptr<SpecialFolders> specialFolders = MakeSpecialFolders();
    HeadlessFileOperation fileOperations;
    QuietServices services;

    const auto start = std::chrono::steady_clock::now();
    TdfmMain window(services.Services(),
                    {*registry, *volumes, *inputMethods, *specialFolders, fileOperations},
                    {1280, 1024});
    window.SetSettingsPath(programFolder + "Zyntra.ini");
    if (!window.FormCreate())
        return 1;
    window.Show();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seconds %.6f\ndevices %d\ncomputer-files %zu\n", seconds,
                window.Devices().DeviceCount(), Listed(window.Files(), Side::Computer));
    window.FormDestroy();
    return 0;
}

int ListingProbe(const std::string& root) {
    DEV_INFO device;
    device.mainClass = "B";
    device.subClass = "02";
    FileLists lists;
    lists.SetScanContext(device, "en_US");
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Device, true);
    std::printf("listed %zu\n", Listed(lists, Side::Device));
    return 0;
}

} // namespace zyntra::bench
