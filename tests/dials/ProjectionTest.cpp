#include <gtest/gtest.h>

#include <cmath>

#include "astro/SunPosition.h"
#include "dials/PlanarTracer.h"

namespace skiagraf {
namespace {

constexpr double kR = 3.14159265358979323846 / 180.0;

struct Vec {
  double x, y, z;  // east, north, up
};
Vec operator*(double k, Vec v) { return {k * v.x, k * v.y, k * v.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// The shadow of the gnomon tip on the face, found in space: the face turned by D
// from south (west positive) and tilted by zeta from the horizontal, x to the right
// and y upwards along the face, in gnomon lengths.
bool ShadowInSpace(double D, double zeta, double altitude, double azimuth, double& x, double& y) {
  const Vec sun{-std::cos(altitude * kR) * std::sin(azimuth * kR), -std::cos(altitude * kR) * std::cos(azimuth * kR),
                std::sin(altitude * kR)};
  const Vec n{-std::sin(zeta * kR) * std::sin(D * kR), -std::sin(zeta * kR) * std::cos(D * kR), std::cos(zeta * kR)};
  const Vec right{std::cos(D * kR), -std::sin(D * kR), 0};
  const Vec up = Cross(n, right);
  const double sn = Dot(sun, n);
  if (sn <= 1e-6) return false;  // the sun does not shine on the face
  const Vec shadow = n - (1.0 / sn) * sun;
  x = Dot(shadow, right);
  y = Dot(shadow, up);
  return true;
}

struct FaceCase {
  const char* name;
  char type;
  double D, zeta;
};

class ProjectionTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(ProjectionTest, AgreesWithTheShadowInSpace) {
  const FaceCase& c = GetParam();
  DialSettings s;
  s.Latitude = 47.25;
  s.DialTypeCode = c.type;
  s.WallDeclination = c.D;
  s.WallInclination = c.zeta;
  const PlanarFrame f = PlanarEntry(s, 1.0);
  int compared = 0;
  for (double delta : {-23.0, -10.0, 0.0, 12.0, 23.0}) {
    for (double H = -150; H <= 150; H += 7.5) {
      const HorizontalPosition sun = HorizontalCoordinates(H, delta, s.Latitude);
      if (sun.Altitude < 2) continue;
      double x, y;
      if (!ShadowInSpace(c.type == 'h' ? 0 : c.D, c.type == 'h' ? 0 : c.zeta, sun.Altitude, sun.Azimuth, x, y))
        continue;
      if (std::hypot(x, y) > 20) continue;  // grazing light: too far out to compare well
      // The construction samples the sun of the equivalent dial.
      const HorizontalPosition eq = HorizontalCoordinates(H + 15.0 * f.timeShift, delta, f.workLatitude);
      const FaceProjection p = ProjectOnFace(f, {eq.Altitude, eq.Azimuth});
      ASSERT_TRUE(p.projectable) << "H " << H << " delta " << delta;
      EXPECT_TRUE(p.inFront) << "H " << H << " delta " << delta;
      EXPECT_NEAR(p.x, x, 1e-6) << "H " << H << " delta " << delta;
      EXPECT_NEAR(-p.y, y, 1e-6) << "H " << H << " delta " << delta;
      ++compared;
    }
  }
  EXPECT_GT(compared, 20);
}

INSTANTIATE_TEST_SUITE_P(Faces, ProjectionTest,
                         ::testing::Values(FaceCase{"horizontal", 'h', 0, 0}, FaceCase{"southWall", 'v', 0, 90},
                                           FaceCase{"eastDecliner", 'v', -35, 90},
                                           FaceCase{"westDecliner", 'v', 20, 90},
                                           FaceCase{"recliningSouth", 'i', 0, 60},
                                           FaceCase{"recliningDecliner", 'i', 20, 60},
                                           FaceCase{"steepEastDecliner", 'i', -50, 75}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace skiagraf
