namespace zyntra {}
