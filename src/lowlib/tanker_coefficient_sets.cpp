// The built-in tanker coefficient sets, transcribed once. The current sets are kept in the compact
// form of their source: a column either lists its leading values (the rest are zero) or is the
// same column of an earlier set; the full sets are built from it on first use.
#include "lowlib/tanker_coefficient_sets.h"

#include <array>
#include <initializer_list>

namespace brevant {

namespace {

// A wind set from its three columns: Cx a0 .. a10, Cy b1 .. b10, Cz b1 .. b10 (entry 11 zero).
constexpr CoefficientSet wind_set_of(const std::array<Real, 11>& cx, const std::array<Real, 10>& cy,
                                     const std::array<Real, 10>& cz) {
    CoefficientSet set{};
    for (int n = 1; n <= 11; ++n) set.v[CoefficientSet::linear(n, 1)] = cx[static_cast<std::size_t>(n - 1)];
    for (int n = 1; n <= 10; ++n) {
        set.v[CoefficientSet::linear(n, 2)] = cy[static_cast<std::size_t>(n - 1)];
        set.v[CoefficientSet::linear(n, 3)] = cz[static_cast<std::size_t>(n - 1)];
    }
    return set;
}

// large tanker, conventional bow, ballasted
constexpr CoefficientSet kCNVBAL = wind_set_of(
    {0.02111f, -0.6009f, -0.04057f, -0.107f, -0.06188f, -0.01402f, -0.01166f, -0.007481f, -0.01583f, -0.003408f,
     -0.006809f},
    {-0.9692f, -0.04313f, 0.01603f, 0.01219f, 0.005524f, 0.01249f, 0.008893f, 0.007148f, 0.003339f, 0.002461f},
    {0.04813f, -0.1109f, 0.01608f, 0.001259f, 0.001396f, -0.00269f, -0.002955f, 0.001982f, -0.001301f, 0.00008464f});

// large tanker, cylindrical bow, ballasted
constexpr CoefficientSet kCYLBAL = wind_set_of(
    {0.1389f, -0.5247f, -0.2038f, -0.259f, -0.02679f, 0.09301f, 0.01056f, -0.04646f, -0.02756f, 0.01074f, -0.007486f},
    {-0.9692f, -0.04313f, 0.01603f, 0.01219f, 0.005524f, 0.01249f, 0.008893f, 0.007148f, 0.003339f, 0.002461f},
    {0.04813f, -0.1109f, 0.01608f, 0.001259f, 0.001396f, -0.00269f, -0.002955f, 0.001982f, -0.001301f, 0.00008464f});

// large tanker, conventional bow, loaded
constexpr CoefficientSet kCNVLOD = wind_set_of(
    {-0.02806f, -0.7863f, -0.04897f, -0.07696f, 0.01399f, 0.003095f, -0.01884f, 0.006042f, -0.007423f, 0.0004885f,
     -0.004565f},
    {-0.7402f, 0.05253f, -0.003032f, 0.02087f, 0.01984f, -0.001905f, 0.00321f, -0.005602f, 0.001051f, -0.003536f},
    {0.1362f, -0.05449f, 0.01957f, -0.007275f, -0.003993f, 0.001053f, -0.000002165f, -0.0001328f, -0.0009834f,
     0.001339f});

// large tanker, cylindrical bow, loaded
constexpr CoefficientSet kCYLLOD = wind_set_of(
    {-0.02806f, -0.7863f, -0.04897f, -0.07696f, 0.01399f, 0.003095f, -0.01884f, 0.006042f, -0.007423f, 0.0004885f,
     -0.004565f},
    {-0.7402f, 0.05253f, -0.003032f, 0.02087f, 0.01984f, -0.001905f, 0.00321f, -0.005602f, 0.001051f, -0.003536f},
    {0.1362f, -0.05449f, 0.01957f, -0.007275f, -0.003993f, 0.001053f, -0.000002165f, -0.0001328f, -0.0009834f,
     0.001339f});

// small tanker, ballasted
constexpr CoefficientSet kSMLBAL = wind_set_of(
    {-0.00482f, -0.483f, 0.0263f, 0.0178f, -0.0257f, -0.000669f, -0.00739f, 0.0295f, -0.00961f, 0.0112f, -0.00847f},
    {-0.913f, -0.0175f, 0.0282f, 0.0114f, 0.00509f, 0.00675f, 0.0321f, 0.00229f, -0.00764f, 0.00365f},
    {-0.000354f, -0.0721f, 0.00276f, -0.00375f, -0.00349f, 0.0095f, -0.00397f, -0.000641f, -0.000117f, -0.00112f});

// small tanker, loaded
constexpr CoefficientSet kSMLLOD = wind_set_of(
    {-0.0129f, -0.526f, 0.00962f, 0.0525f, -0.0127f, -0.00213f, -0.0196f, 0.0162f, -0.00936f, 0.00298f, -0.00783f},
    {-0.76f, -0.0156f, -0.00167f, 0.000561f, 0.0387f, 0.00868f, 0.0099f, 0.00699f, 0.000046f, -0.000639f},
    {0.0247f, -0.0434f, 0.00163f, 0.00108f, -0.000152f, -0.000386f, -0.00217f, 0.000399f, -0.000326f, 0.000179f});

constexpr std::array<const CoefficientSet*, kWindSetCount> kWindSets{&kCNVBAL, &kCNVLOD, &kCYLBAL,
                                                                     &kCYLLOD, &kSMLBAL, &kSMLLOD};

// One column of a current set as written: its own leading values, or the column of another set.
struct ColumnSource {
    bool own = true;
    CurrentSet as = CurrentSet::CNV105;
    int count = 0;
    std::array<Real, 11> values{};
};

constexpr ColumnSource own(std::initializer_list<Real> list) {
    ColumnSource c;
    for (Real v : list) c.values[static_cast<std::size_t>(c.count++)] = v;
    return c;
}

constexpr ColumnSource as(CurrentSet set) {
    ColumnSource c;
    c.own = false;
    c.as = set;
    return c;
}

struct SetSource {
    CurrentSet set;
    ColumnSource cx, cy, cz;
};

// Cx a0 .. a10, Cy b1 .. b10, Cz b1 .. b10.
constexpr SetSource kCurrentSources[] = {
    {CurrentSet::CNV105,
     own({0.003055f, -0.1225f, 0.08303f, 0.08637f, 0.01086f, 0.01682f, -0.0621f, -0.03322f, -0.007458f, -0.02473f,
          -0.01284f}),
     own({-3.092f, -0.08679f, 0.1204f, -0.08821f, -0.1563f, -0.0261f, -0.1043f, 0.01875f, -0.0381f, 0.0486f}),
     own({0.08659f, -0.3011f, -0.04214f, -0.09877f, -0.006335f, -0.05473f, 0.008502f, -0.01813f, 0.009729f,
          -0.003634f})},
    {CurrentSet::CYL105,
     own({0.07583f, -0.02126f, 0.09014f, 0.02502f, -0.05547f, -0.01669f, -0.07156f, -0.04303f, -0.02322f, -0.03358f,
          -0.006453f}),
     as(CurrentSet::CNV105), as(CurrentSet::CNV105)},
    {CurrentSet::CNV110,
     own({-0.01111f, -0.03118f, 0.05568f, 0.01787f, 0.01824f, -0.01982f, -0.03634f, -0.01704f, 0.0001215f, -0.03727f,
          -0.0131f}),
     own({-2.69f, -0.05263f, 0.05556f, -0.07539f, -0.1877f, -0.01649f, -0.05805f, 0.0223f, 0.02101f, 0.02486f}),
     own({0.06736f, -0.313f, -0.01508f, -0.04946f, 0.003835f, -0.03264f, -0.0007717f, 0.0006182f, 0.0000208f,
          0.00759f})},
    {CurrentSet::CYL110,
     own({0.03583f, 0.0413f, 0.07841f, -0.006888f, -0.03031f, -0.06863f, -0.07436f, -0.04183f, -0.009251f, -0.02906f,
          0.008748f}),
     as(CurrentSet::CNV110), as(CurrentSet::CNV110)},
    {CurrentSet::CNV120,
     own({0.01528f, -0.02084f, 0.03148f, -0.03116f, 0.01408f, -0.049f, -0.03412f, 0.00566f, -0.01018f, 0.008119f,
          -0.01152f}),
     own({-2.278f, -0.08281f, -0.0211f, -0.02451f, -0.05158f, -0.002892f, 0.0313f, 0.01472f, 0.009979f, 0.007397f}),
     own({0.05559f, -0.2797f, -0.002485f, -0.02406f, 0.00752f, -0.01055f, 0.005502f, -0.0005046f, -0.0011f,
          -0.001108f})},
    {CurrentSet::CYL120,
     own({0.08278f, 0.066f, 0.01802f, -0.1108f, -0.05569f, -0.06706f, -0.01916f, 0.01472f, -0.01786f, 0.002068f,
          -0.003152f}),
     as(CurrentSet::CNV120), as(CurrentSet::CNV120)},
    {CurrentSet::CNV150,
     own({-0.005f, 0.01298f, 0.03273f, -0.08763f, 0.01421f, -0.01553f, -0.02717f, 0.003689f, 0.005422f, -0.002159f,
          -0.00195f}),
     own({-1.748f, 0.03628f, -0.0623f, 0.01041f, 0.02233f, 0.007716f, 0.02595f, -0.001436f, 0.01862f, 0.001454f}),
     own({0.04852f, -0.2204f, 0.01547f, -0.02153f, 0.009055f, 0.00577f, 0.003597f, 0.002043f, 0.002204f, -0.0001368f})},
    {CurrentSet::CYL150,
     own({0.03972f, 0.06995f, 0.02147f, -0.1448f, -0.03637f, -0.02793f, -0.0122f, 0.01652f, 0.002661f, -0.01039f,
          -0.001994f}),
     as(CurrentSet::CNV150), as(CurrentSet::CNV150)},
    {CurrentSet::CNV300,
     own({0.02389f, -0.02012f, 0.02023f, -0.02908f, -0.01636f, -0.05366f, -0.0161f, 0.01435f, -0.001625f, 0.003276f,
          0.0003111f}),
     own({-0.9522f, 0.0433f, 0.04935f, 0.006638f, 0.006075f, -0.003835f, 0.002513f, 0.001403f, 0.001109f, 0.00174f}),
     own({0.02664f, -0.1117f, 0.005662f, -0.003149f, 0.0008124f, 0.000001956f, 0.002175f, 0.0002061f, -0.001095f,
          -0.000758f})},
    {CurrentSet::CYL300, as(CurrentSet::CNV300), as(CurrentSet::CNV300), as(CurrentSet::CNV300)},
    {CurrentSet::CNV600,
     own({0.01083f, -0.006491f, 0.01621f, -0.05631f, -0.01387f, -0.03514f, -0.01193f, 0.01145f, 0.00913f, 0.001148f,
          -0.004033f}),
     own({-0.557f, 0.007396f, 0.03373f, -0.002564f, 0.004258f, 0.000966f, 0.003909f, -0.00002635f, 0.00329f,
          0.001654f}),
     own({0.01848f, -0.06833f, 0.003034f, -0.002769f, 0.001625f, -0.003839f, 0.0006129f, -0.0005027f, 0.002184f,
          -0.001193f})},
    {CurrentSet::CYL600, as(CurrentSet::CNV600), as(CurrentSet::CNV600), as(CurrentSet::CNV600)},
    {CurrentSet::LNB105,
     own({0.0525f, -0.0334f, -0.0203f, 0.0817f, -0.0129f, -0.0268f, -0.0214f, -0.0392f, -0.0117f, -0.0118f, 0.00434f}),
     as(CurrentSet::CNV105), as(CurrentSet::CNV105)},
    {CurrentSet::BNB105,
     own({0.0114f, -0.0522f, -0.00751f, -0.00935f, 0.000714f, 0.00837f, -0.00146f, 0.00223f, -0.0000973f, 0.0000512f,
          0.000434f}),
     own({-0.7609f, 0.004181f, 0.07254f, 0.007096f, 0.02449f, -0.002374f, 0.01388f, -0.00455f, 0.003804f, 0.0003786f}),
     own({0.038f, -0.0647f, 0.000548f, 0.00727f, -0.00148f})},
    {CurrentSet::LWB105,
     own({0.00684f, -0.037f, 0.0146f, 0.0703f, -0.00315f, -0.0186f, -0.0165f, -0.0294f, -0.00933f, -0.0167f,
          0.000233f}),
     as(CurrentSet::CNV105), as(CurrentSet::CNV105)},
    {CurrentSet::BWB105,
     own({0.00504f, -0.0445f, 0.00413f, -0.00951f, 0.0018f, 0.0104f, 0.00469f, 0.00241f, 0.00043f, 0.000313f,
          -0.000214f}),
     own({-0.908f, 0.00315f, 0.0935f, 0.0135f, 0.0358f}), own({-0.00207f, -0.0728f, -0.00118f, 0.0113f, 0.00188f})},
    {CurrentSet::LNB11, as(CurrentSet::LNB105), own({-2.36f, -0.124f, 0.0361f, -0.0156f, -0.0084f}),
     own({0.0607f, -0.26f, -0.0135f, -0.0568f, -0.0138f})},
    {CurrentSet::BNB11, as(CurrentSet::BNB105), as(CurrentSet::BNB105), as(CurrentSet::BNB105)},
    {CurrentSet::LWB11, as(CurrentSet::LWB105), own({-2.69f, -0.14f, 0.0391f, 0.0116f, 0.0622f}),
     own({-0.0013f, -0.263f, -0.0103f, -0.0618f, -0.00836f})},
    {CurrentSet::BWB11, as(CurrentSet::BWB105), as(CurrentSet::BWB105), as(CurrentSet::BWB105)},
    {CurrentSet::LNB12,
     own({0.04115f, 0.004961f, -0.02026f, 0.03286f, -0.01742f, -0.04582f, -0.00008818f, -0.02783f, -0.004802f,
          -0.002362f, 0.004474f}),
     own({-2.06f, -0.0184f, -0.00258f, -0.0231f, -0.0386f}), own({0.0618f, -0.259f, 0.0044f, -0.0336f, -0.00774f})},
    {CurrentSet::BNB12,
     own({0.0109f, -0.0527f, -0.00631f, -0.0079f, 0.000625f, 0.00787f, -0.0015f, 0.00175f, -0.000105f, -0.000177f,
          -0.0000957f}),
     own({-0.719f, 0.00476f, 0.0653f, 0.00445f, 0.0233f, -0.00178f, 0.0104f, -0.00341f, 0.00285f, 0.000284f}),
     own({0.0362f, -0.0616f, 0.00102f, 0.00748f, -0.00178f})},
    {CurrentSet::LWB12,
     own({0.00582f, 0.012f, 0.00795f, 0.0199f, -0.00697f, -0.0469f, -0.00839f, -0.0282f, -0.00334f, -0.00227f,
          0.00227f}),
     own({-2.34f, -0.0421f, -0.00801f, -0.0134f, -0.0317f}), own({0.00728f, -0.267f, -0.00254f, -0.0504f, -0.00254f})},
    {CurrentSet::BWB12,
     own({0.00363f, -0.0479f, 0.00459f, -0.00779f, 0.000396f, 0.0102f, 0.00368f, 0.0021f, 0.000962f, -0.000217f,
          0.00013f}),
     own({-0.864f, 0.00287f, 0.0873f, 0.0138f, 0.0331f}), own({-0.000431f, -0.0696f, -0.00111f, 0.0111f, 0.00183f})},
    {CurrentSet::LWB15,
     own({0.00954f, 0.0254f, -0.00896f, -0.0484f, -0.00534f, -0.0352f, 0.000232f, 0.0122f, 0.00796f, 0.0115f,
          0.0000532f}),
     own({-1.81f, -0.0179f, 0.00624f, 0.0136f, 0.04f}), own({0.00104f, -0.206f, 0.000593f, 0.00223f, 0.00104f})},
    {CurrentSet::BWB15,
     own({-0.000599f, -0.058f, 0.00596f, -0.00264f, -0.00381f, 0.00987f, 0.000659f, 0.00118f, 0.00256f, -0.00181f,
          0.00116f}),
     own({-0.732f, 0.00204f, 0.0685f, 0.0147f, 0.0251f}), own({0.00447f, -0.0598f, -0.000904f, 0.0105f, 0.00169f})},
    {CurrentSet::LNB15,
     own({0.0571f, 0.00237f, -0.0736f, -0.0116f, -0.00644f, -0.0549f, 0.0315f, 0.0132f, -0.0117f, 0.0163f, 0.001f}),
     own({-1.62f, -0.0571f, 0.0131f, -0.0019f, 0.0407f}), own({0.0429f, -0.199f, -0.00144f, 0.00265f, -0.00331f})},
    {CurrentSet::BNB15,
     own({0.00911f, -0.0542f, -0.00271f, -0.00356f, 0.000357f, 0.00637f, -0.0016f, 0.00031f, -0.000127f, -0.000861f,
          -0.00169f}),
     own({-0.594f, 0.00649f, 0.0437f, -0.0035f, 0.0197f}), own({0.0305f, -0.0524f, 0.00243f, 0.00813f, -0.00268f})},
    {CurrentSet::LWB30,
     own({0.00318f, -0.0133f, -0.00453f, -0.0333f, 0.00403f, 0.0133f, 0.000932f, 0.00212f, -0.00109f, -0.00103f,
          -0.00000552f}),
     own({-1.02f, -0.00827f, 0.0619f, 0.0221f, 0.0427f}), own({0.00677f, -0.107f, 0.00164f, 0.0189f, -0.000107f})},
    {CurrentSet::BWB30, as(CurrentSet::BWB15),
     own({-0.604f, 0.00183f, 0.0429f, 0.00787f, 0.0155f, 0.00124f, 0.00158f, 0.000178f, -0.00000161f, -0.000984f}),
     own({0.0146f, -0.0493f, -0.000879f, 0.007f, -0.000261f, 0.000545f, -0.000701f, 0.000876f, -0.000617f, 0.000287f})},
    {CurrentSet::LNB30,
     own({0.0104f, -0.0155f, -0.0152f, -0.0311f, 0.00975f, 0.00725f, 0.00125f, 0.00172f, -0.00295f, -0.0000916f,
          0.000634f}),
     own({-0.963f, -0.0386f, 0.0944f, 0.0194f, 0.0317f}), own({0.0332f, -0.103f, -0.00406f, 0.0181f, -0.00238f})},
    {CurrentSet::BNB30, as(CurrentSet::BNB15),
     own({-0.537f, 0.00398f, 0.031f, -0.000889f, 0.0129f, 0.00124f, 0.00158f, 0.000178f, -0.00000161f, -0.000984f}),
     own({0.0272f, -0.0457f, 0.000731f, 0.00587f, -0.00237f, 0.000545f, -0.000701f, 0.000876f, -0.000617f, 0.000287f})},
    {CurrentSet::LWB44,
     own({0.002541f, -0.01229f, -0.004632f, -0.0333f, 0.004383f, 0.01041f, 0.0001992f, 0.001499f, -0.001183f,
          -0.001464f, 0.0004029f}),
     own({-0.804f, -0.000958f, 0.0487f, 0.0106f, 0.0247f}),
     own({0.0122f, -0.0888f, 0.00229f, 0.00878f, 0.000701f, -0.00179f, 0.000286f, -0.000235f, 0.00102f, -0.000557f})},
    {CurrentSet::BLST44,
     own({0.004965f, -0.06118f, -0.01031f, 0.003789f, 0.002466f, 0.005186f, -0.002893f, 0.0007861f, 0.00005696f,
          -0.000184f, 0.0002884f}),
     own({-0.4842f, 0.001639f, 0.01905f, 0.001543f, 0.006611f, 0.002407f, 0.003051f, 0.000344f, -0.000003116f,
          -0.001903f}),
     own({0.024f, -0.0394f, -0.000855f, 0.00376f, -0.00209f, 0.00105f, -0.00136f, 0.00169f, -0.00119f, 0.000554f})},
    {CurrentSet::LNB44,
     own({0.01068f, -0.02133f, -0.00761f, -0.02736f, 0.003325f, 0.008084f, 0.002027f, 0.0009016f, -0.001416f,
          -0.0007548f, 0.0001823f}),
     own({-0.774f, -0.0171f, 0.0661f, 0.00916f, 0.0189f}),
     own({0.0263f, -0.0871f, -0.000751f, 0.00837f, -0.000512f, -0.00179f, 0.000286f, -0.000235f, 0.00102f,
          -0.000557f})},
    {CurrentSet::LCY11,
     own({0.0937f, -0.033f, -0.0558f, 0.103f, -0.0346f, -0.0508f, -0.0535f, -0.0458f, -0.00268f, -0.0141f, 0.0149f}),
     own({-2.44f, -0.127f, 0.0477f, -0.0245f, -0.0416f}), own({0.111f, -0.27f, -0.0128f, -0.0663f, 0.00702f})},
};

constexpr int index_of(CurrentSet set) { return static_cast<int>(set); }

// The table lists every set once, in the order of the enumeration; a sine column has at most ten
// values; a column given as another set's refers to one listed before it.
constexpr bool sources_are_sound() {
    int i = 0;
    for (const SetSource& s : kCurrentSources) {
        if (index_of(s.set) != i) return false;
        const ColumnSource* columns[3] = {&s.cx, &s.cy, &s.cz};
        for (int k = 0; k < 3; ++k) {
            const ColumnSource& c = *columns[k];
            if (c.own && c.count > (k == 0 ? 11 : 10)) return false;
            if (!c.own && index_of(c.as) >= i) return false;
        }
        ++i;
    }
    return i == kCurrentSetCount;
}
static_assert(sources_are_sound());

std::array<CoefficientSet, kCurrentSetCount> build_current_sets() {
    std::array<CoefficientSet, kCurrentSetCount> sets{};
    for (const SetSource& s : kCurrentSources) {
        CoefficientSet& set = sets[static_cast<std::size_t>(index_of(s.set))];
        const ColumnSource* columns[3] = {&s.cx, &s.cy, &s.cz};
        for (int k = 1; k <= 3; ++k) {
            const ColumnSource& c = *columns[k - 1];
            for (int n = 1; n <= 11; ++n)
                set(n, k) = c.own ? c.values[static_cast<std::size_t>(n - 1)]
                                  : sets[static_cast<std::size_t>(index_of(c.as))](n, k);
        }
    }
    return sets;
}

constexpr CoefficientColumn kBLSTMN{{0.006431f, -0.05182f, 0.00004605f, -0.005927f, 0.0002834f, 0.009199f, 0.0003692f,
                                     0.002482f, 0.0009048f, -0.00112f, -0.0001048f}};

}  // namespace

const CoefficientSet& wind_set(WindSet set) { return *kWindSets[static_cast<std::size_t>(set)]; }

const CoefficientSet& current_set(CurrentSet set) {
    static const std::array<CoefficientSet, kCurrentSetCount> sets = build_current_sets();
    return sets[static_cast<std::size_t>(index_of(set))];
}

const CoefficientColumn& BLSTMN() { return kBLSTMN; }

}  // namespace brevant
