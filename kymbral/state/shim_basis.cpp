#include "shim_basis.h"

void FillShimBasisPoint(ShimBasisTable& basis, int point) {
    double z = PointHeight(point);
    basis(0, point) = 1;
    basis(1, point) = z;
    basis(2, point) = 2 * z * z;
    basis(3, point) = 2 * z * z * z;
    basis(4, point) = 8 * z * z * z * z;
}
