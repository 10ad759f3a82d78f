#include "corpus/SurahTable.h"

#include <algorithm>
#include <array>

namespace surah {
namespace {

constexpr std::array<const char*, SurahCount> names = {
    "1. Al-Fatihah",
    "2. Al-Baqarah",
    "3. Al-Imron",
    "4. An-Nisa'",
    "5. Al-Maaidah",
    "6. Al-An'aam",
    "7. Al-A'raf",
    "8. Al-Anfaal",
    "9. At-Taubah",
    "10. Yunus",
    "11. Huud",
    "12. Yusuf",
    "13. Ar-Ra'du",
    "14. Ibrahim",
    "15. Al-Hijr",
    "16. Al-Nahl",
    "17. Al-Isra'",
    "18. Al-Kahfi",
    "19. Maryam",
    "20. Thaha",
    "21. Al-Anbiya",
    "22. Al-Hajj",
    "23. Al-Mu'minun",
    "24. An-Nuur",
    "25. Al-Furqaan",
    "26. Asy-Syuara'",
    "27. An-Naml",
    "28. Al-Qashash",
    "29. Al-'Ankabut",
    "30. Ar-Ruum",
    "31. Luqman",
    "32. As-Sajadah",
    "33. Al-Ahzab",
    "34. Saba'",
    "35. Fathir",
    "36. Yasin",
    "37. Ash-Shaffat",
    "38. Shaad",
    "39. Az-Zumar",
    "40. Al-Mu'min",
    "41. Fushilat",
    "42. Asy-Syuura",
    "43. Az-Zukhruf",
    "44. Ad-Dhukhan",
    "45. Al-Jatsiyah",
    "46. Al-Ahqaaf",
    "47. Muhammad",
    "48. Al-fath",
    "49. Al-Hujurat",
    "50. Qaaf",
    "51. Adz-Dzariat",
    "52. Ath-Thuur",
    "53. An-Najm",
    "54. Al-Qamar",
    "55. Ar-Rahmaan",
    "56. Al-Waqi'ah",
    "57. Al-Hadid",
    "58. Al-Mujadilah",
    "59. Al-Hasyr",
    "60. Al-Mumtahanah",
    "61. Ash-Shaff",
    "62. Al-Jum'ah",
    "63. Al-Munafiqun",
    "64. At-Taghabun",
    "65. At-Thalaq",
    "66. At Tahrim",
    "67. Al-Mulk",
    "68. Al-Qalam",
    "69. Al-Haqqah",
    "70. Al-Ma'arij",
    "71. Nuh",
    "72. Al-Jinn",
    "73. Al-Muzammil",
    "74. Al-Mudatsir",
    "75. Al-Qiyamah",
    "76. Al-Insaan",
    "77. Al-Mursalat",
    "78. An-Naba'",
    "79. An-Nazi'at",
    "80. Abasa",
    "81. At-Takwir",
    "82. Al-Infithar",
    "83. Al-Muthaffifin",
    "84. Al-Insyiqaq",
    "85. Al-Buruj",
    "86. Ath-Thariq",
    "87. Al-A'la",
    "88. Al-Ghasyiyah",
    "89. Al-Fajr",
    "90. Al-Balad",
    "91. Asy-Syams",
    "92. Al-Lail",
    "93. Adh-Dhuha",
    "94. Al-Insyirah",
    "95. At-Tiin",
    "96. Al-'Alaq",
    "97. Al-Qadr",
    "98. Al-Bayyinah",
    "99. Az-Zalzalah",
    "100. Al-'Adiyat",
    "101. Al-Qari'ah",
    "102. At-Takatsur",
    "103. Al-'Ashr",
    "104. Al-Humazah",
    "105. Al-Fiil",
    "106. Al-Quraisy",
    "107. Al-Ma'uun",
    "108. Al-Kautsar",
    "109. Al-Kafirun",
    "110. An-Nashr",
    "111. Al-Lahab",
    "112. Al-Ikhlas",
    "113. Al-Falaq",
    "114. An-Naas",
};

// starts[s - 1] is the Corpus index of the first verse of surah s; the last entry closes
// surah 114.
constexpr std::array<int, SurahCount + 1> starts = {
    0,    7,    293,  493,  669,  789,  954,  1160, 1235, 1364,  // 1..10
    1473, 1596, 1707, 1750, 1802, 1901, 2029, 2140, 2250, 2348,  // 11..20
    2483, 2595, 2673, 2791, 2855, 2932, 3159, 3252, 3340, 3409,  // 21..30
    3469, 3503, 3533, 3606, 3660, 3705, 3788, 3970, 4058, 4133,  // 31..40
    4218, 4272, 4325, 4414, 4473, 4510, 4545, 4583, 4612, 4630,  // 41..50
    4675, 4735, 4784, 4846, 4901, 4979, 5075, 5104, 5126, 5150,  // 51..60
    5163, 5177, 5188, 5199, 5217, 5229, 5241, 5271, 5323, 5375,  // 61..70
    5419, 5447, 5475, 5495, 5551, 5591, 5622, 5672, 5712, 5758,  // 71..80
    5800, 5829, 5848, 5884, 5909, 5931, 5948, 5967, 5993, 6023,  // 81..90
    6043, 6058, 6079, 6090, 6098, 6106, 6125, 6130, 6138, 6146,  // 91..100
    6157, 6168, 6176, 6179, 6188, 6193, 6197, 6204, 6207, 6213,  // 101..110
    6216, 6221, 6225, 6230, 6236,                                // 111..115
};

static_assert(starts.front() == 0 && starts.back() == TotalVerses);

}  // namespace

const char* displayName(int s) {
    return names[s - 1];
}

int start(int s) {
    return starts[s - 1];
}

int verseCount(int s) {
    return starts[s] - starts[s - 1];
}

int corpusIndex(int s, int a) {
    return start(s) + a - 1;
}

VerseRef verseAt(int index) {
    // The surah is the last one whose first verse lies at or before index.
    const auto next = std::upper_bound(starts.begin(), starts.end(), index);
    const int s = static_cast<int>(next - starts.begin());
    return {s, index - start(s) + 1};
}

}  // namespace surah
