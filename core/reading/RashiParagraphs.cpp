// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/RashiParagraphs.h"

#include "core/common/UiText.h"

namespace orvanta {
namespace Catalogue {
namespace {

// One sentence a line, so that each can be read and changed on its own.
constexpr std::array<RashiCatalogueRow, 12> Paragraphs{{
    // Mesha (Aries)
    {
        .Looks =
            TR_("You are short and compact, with a lean, muscular body and a quick step. "
            "Your complexion is ruddy, your brows are strong and your eyes are bright and alert. "
            "You may carry a small mark or scar on the head."),
        .Nature =
            TR_("You are bold, energetic and always ready to act. "
            "Mars, your ruling planet, fills you with courage and drive. "
            "You like to lead and you dislike waiting for others. "
            "Your mind works fast and your decisions come quickly. "
            "You start new projects with great enthusiasm. "
            "Your interest can fade once the challenge is gone. "
            "You speak frankly and expect the same from others. "
            "Your temper flares up fast but cools just as fast. "
            "You do not hold grudges for long. "
            "You are generous with friends and protective of the weak. "
            "You spend money freely and sometimes on impulse. "
            "You work best when you are your own master. "
            "Learning patience will bring you lasting success."),
        .CareerAndFinance =
            TR_("You do well in work that needs courage and quick action, such as the army, police, sports, surgery and engineering. "
            "You earn through your own drive rather than by inheritance. "
            "Money comes to you quickly, so save part of it before it slips away."),
        .LoveAndDomesticLife =
            TR_("You fall in love quickly and pursue the one you want with passion. "
            "You need a partner who respects your independence and can keep pace with you. "
            "Your impatience can cause quarrels at home, yet you never sulk for long. "
            "You are a proud and protective parent."),
        .Health =
            TR_("Your head is your weak point, so watch for headaches, migraines, fevers and injuries to the head and face. "
            "You recover fast when you rest and take cooling food."),
    },
    // Vrishabha (Taurus)
    {
        .Looks =
            TR_("You are short and sturdy, with a thick neck and a solid build. "
            "Your face is full and pleasant, with large, soft eyes and well-shaped lips. "
            "Your hair is usually dark and plentiful."),
        .Nature =
            TR_("You are patient, steady and practical. "
            "Venus, your ruler, gives you a love of beauty, comfort and good food. "
            "You move slowly but you finish what you begin. "
            "Your loyalty to people and principles runs deep. "
            "You dislike sudden change and prefer familiar routines. "
            "Once you make up your mind, few can change it. "
            "Your stubbornness is your main weakness. "
            "You seldom lose your temper, but when you do it is fierce. "
            "You value security and save money carefully. "
            "You enjoy music, art and the pleasures of the senses. "
            "Your word can be trusted, and you expect honesty in return. "
            "You work hard when the reward is solid and lasting."),
        .CareerAndFinance =
            TR_("You suit careers in banking, finance, agriculture, real estate, food, fashion, music and the arts. "
            "You build wealth slowly and steadily through saving and sound investment. "
            "Property and land are a lasting source of income for you."),
        .LoveAndDomesticLife =
            TR_("You are a tender, devoted and sensual partner. "
            "You take time to commit, but once you do you stay loyal for life. "
            "Your home is comfortable and well furnished, and you enjoy sharing good meals with your family. "
            "Possessiveness is the one thing you must watch in love."),
        .Health =
            TR_("Your face, throat and neck are sensitive, so guard against sore throats, tonsillitis and thyroid trouble. "
            "You gain weight easily if you indulge in sweets."),
    },
    // Mithuna (Gemini)
    {
        .Looks =
            TR_("You are of medium height with a slim, agile body and long arms. "
            "Your face is lively and expressive, and your eyes are quick and searching. "
            "You often look younger than your age."),
        .Nature =
            TR_("You are clever, curious and quick-witted. "
            "Mercury, the planet of speech and learning, gives you a sharp intellect and a gift for words. "
            "You learn fast and love to talk about ideas. "
            "Your interests are many and they change often. "
            "You can see both sides of any question. "
            "This makes you adaptable but sometimes undecided. "
            "You enjoy company and make friends easily. "
            "Your restlessness needs variety, travel and fresh news. "
            "You grow bored with slow, repetitive work. "
            "You are good at handling several tasks at once. "
            "Your moods shift quickly, much like the air. "
            "You spend money on books, gadgets and short trips. "
            "You need to finish what you begin to reach your goals."),
        .CareerAndFinance =
            TR_("You shine in writing, journalism, teaching, sales, advertising, communication and trade. "
            "You can earn from more than one source at the same time. "
            "Your income may swing up and down, so keep a steady savings plan."),
        .LoveAndDomesticLife =
            TR_("Your ideal partner is also your best friend and a lively talker. "
            "You enjoy flirting and need mental stimulation in love. "
            "You may have more than one serious romance before you settle. "
            "Your home is full of books, talk and visitors, and you are a playful parent."),
        .Health =
            TR_("Your shoulders, arms, hands and lungs need care. "
            "Nervous tension, coughs, asthma and problems of the breath are your common complaints."),
    },
    // Kataka (Cancer)
    {
        .Looks =
            TR_("You are of middle height with a soft, rounded body. "
            "Your face is round and pale or fair, with gentle, moist eyes. "
            "Your weight changes easily with your moods."),
        .Nature =
            TR_("You are sensitive, caring and deeply emotional. "
            "The Moon, your ruler, makes your feelings rise and fall like the tides. "
            "You are loyal to family and old friends. "
            "Your memory is strong and you treasure the past. "
            "You have a vivid imagination and a good intuition. "
            "You are shy with strangers and open up slowly. "
            "Your feelings are easily hurt. "
            "You withdraw into your shell when you feel threatened. "
            "You care for others as a mother cares for a child. "
            "You are careful with money and like to save for hard times. "
            "You hold on to the people and things you love. "
            "You feel at ease in a secure and friendly workplace."),
        .CareerAndFinance =
            TR_("You thrive in nursing, catering, hotels, social work and childcare, and in trade in food, dairy, water or silver. "
            "You are thrifty and build savings through careful habits. "
            "Your income can come from the public and from family property."),
        .LoveAndDomesticLife =
            TR_("You need to feel emotionally safe before you open your heart. "
            "Home and family are the center of your life. "
            "You are closely attached to your mother and to your children. "
            "Your spouse will find you caring, though at times moody and clinging."),
        .Health =
            TR_("Your chest, lungs and breasts need care. "
            "You are prone to coughs, colds, indigestion and water retention, and worry upsets your stomach."),
    },
    // Simha (Leo)
    {
        .Looks =
            TR_("You are tall and broad-shouldered, with a dignified, upright bearing. "
            "Your head is large, your hair full, and your eyes bright and steady. "
            "You walk with the confidence of a leader."),
        .Nature =
            TR_("You are proud, generous and full of confidence. "
            "The Sun, your ruling planet, gives you dignity and a natural authority. "
            "You take charge easily and expect respect. "
            "You are warm-hearted and loyal to those you love. "
            "Your courage shows most in difficult times. "
            "You love praise and can be hurt by neglect. "
            "Pettiness and meanness offend you. "
            "Your pride can make you arrogant or stubborn. "
            "You are honest and keep your promises. "
            "You enjoy luxury and display and do not count the cost. "
            "You like to be at the center of every gathering. "
            "Your sense of fairness earns you the trust of others. "
            "You give your all when you hold a position of honor."),
        .CareerAndFinance =
            TR_("You rise in government, administration, politics, management, the stage and any post of authority. "
            "You earn well and spend generously on comfort and status. "
            "Superiors and the state favor you."),
        .LoveAndDomesticLife =
            TR_("You love with warmth, passion and loyalty. "
            "Your partner must admire you and stand proudly at your side. "
            "You are generous to your spouse and proud of your children. "
            "Your pride can stir trouble at home, so learn to admit your mistakes."),
        .Health =
            TR_("Your heart, stomach and spine are vulnerable. "
            "Watch for heart trouble, high blood pressure, acidity and back pain as you grow older."),
    },
    // Kanya (Virgo)
    {
        .Looks =
            TR_("You are tall and slender, with a neat and graceful figure. "
            "Your face is delicate and youthful, your eyes are clear and thoughtful, and your hair is fine. "
            "You are always well groomed."),
        .Nature =
            TR_("You are modest, practical and analytical. "
            "Mercury lends you a keen mind and an eye for detail. "
            "You notice what others overlook. "
            "You like order, cleanliness and a clear plan. "
            "Your standards are high, for yourself and for everyone else. "
            "You can be too critical and worry over small things. "
            "You are helpful and happiest when you serve a useful purpose. "
            "You speak with care and rarely act in haste. "
            "Your reserve can hide a warm and kind heart. "
            "You handle money wisely and dislike waste. "
            "You are a patient worker and a careful planner. "
            "Your health and diet matter to you more than to most people."),
        .CareerAndFinance =
            TR_("You are suited to accountancy, medicine, nutrition, research, editing, teaching and every kind of skilled service. "
            "You manage money prudently and keep careful accounts. "
            "Steady work and sensible savings make you secure."),
        .LoveAndDomesticLife =
            TR_("You are shy and cautious in love and take time to show your feelings. "
            "You express affection through practical care rather than grand gestures. "
            "You value a partner who is neat, sensible and reliable. "
            "Your home is tidy and well run, and you guide your children with patience."),
        .Health =
            TR_("Your abdomen and intestines are sensitive. "
            "You may suffer from indigestion, ulcers, bowel trouble and ailments brought on by nervous worry."),
    },
    // Thula (Libra)
    {
        .Looks =
            TR_("You are tall and well proportioned, with a pleasing, balanced figure. "
            "Your features are regular and attractive, and your smile is charming. "
            "Your complexion is clear and you dress with taste."),
        .Nature =
            TR_("You are charming, polite and fair-minded. "
            "With Venus as your lord, you are refined and have a feeling for art and harmony. "
            "You seek balance in everything you do. "
            "You dislike quarrels and try to keep the peace. "
            "Your sense of justice is strong. "
            "You weigh every choice with care, and this can make you slow to decide. "
            "You are sociable and a gracious host. "
            "You work best with a partner rather than alone. "
            "Your tact and good manners win you friends. "
            "Coarse manners and rough work put you off. "
            "You enjoy fine clothes and beautiful surroundings. "
            "You like money for the comfort and beauty it can buy. "
            "Your need to please others can make you lose sight of your own wishes."),
        .CareerAndFinance =
            TR_("You do well in law, diplomacy, the arts, fashion, design, public relations and trade in luxury goods. "
            "Partnerships bring you gains. "
            "Your earnings are good, but beauty and pleasure tempt you to spend, so budget with care."),
        .LoveAndDomesticLife =
            TR_("Love and marriage are central to your happiness. "
            "You are a romantic and considerate partner. "
            "You want a spouse who is refined, gentle and fair. "
            "You work hard to keep harmony at home, and your family life is usually peaceful."),
        .Health =
            TR_("Your lower abdomen, groin, kidneys and lower back are sensitive. "
            "Drink plenty of water and watch for kidney and bladder trouble."),
    },
    // Vrischika (Scorpio)
    {
        .Looks =
            TR_("You are tall and strongly built, with a firm, sturdy frame. "
            "Your eyes are deep and piercing, and your gaze is hard to hold. "
            "Your hair is thick and dark, and your brows are heavy."),
        .Nature =
            TR_("You are intense, determined and magnetic. "
            "Mars, your lord, gives you a fighting spirit and great powers of endurance. "
            "You feel everything strongly but show little on the surface. "
            "Your will is strong, and you never give up halfway. "
            "You are secretive and keep your plans to yourself. "
            "You see through people quickly. "
            "You work tirelessly once a goal has caught your interest. "
            "You are a loyal friend but a dangerous enemy. "
            "Your jealousy and resentment can run deep. "
            "You rarely forget an injury. "
            "You are drawn to mysteries and hidden things. "
            "You handle money shrewdly and can manage the resources of others. "
            "Your energy can heal or destroy, so choose your path with care."),
        .CareerAndFinance =
            TR_("You excel in research, surgery, medicine, investigation, police work, insurance, mining and the occult sciences. "
            "You manage shared money and investments shrewdly. "
            "Inheritance or a partner's wealth may add to your own."),
        .LoveAndDomesticLife =
            TR_("You love with great passion and total commitment. "
            "You demand loyalty and can be possessive and jealous. "
            "You guard your spouse and children fiercely. "
            "Your family life is strong when there is trust, but hidden resentments can cause storms."),
        .Health =
            TR_("Your genitals, bladder and urinary tract are your weak points. "
            "Watch for infections, piles and disorders of the reproductive organs."),
    },
    // Dhanus (Sagittarius)
    {
        .Looks =
            TR_("You are of medium height and well built, with strong thighs and an athletic stride. "
            "Your face is long and open, with a high forehead and bright, frank eyes. "
            "You may lose hair early at the temples."),
        .Nature =
            TR_("You are optimistic, honest and freedom-loving. "
            "Jupiter, the great teacher among the planets, blesses you with wisdom, faith and a generous spirit. "
            "You speak the truth even when it hurts. "
            "You love travel, learning and new horizons. "
            "Your interest in religion and philosophy grows with age. "
            "You cannot bear to be tied down or controlled. "
            "You are cheerful, sporting and full of good humor. "
            "You can be careless, restless and too blunt. "
            "Your promises are sincere, but you sometimes take on too much. "
            "You give freely and think well of everyone. "
            "You spend generously and do not worry much about saving. "
            "You need freedom and a sense of purpose in your work. "
            "You are fond of animals and the outdoors. "
            "Your good fortune often comes through teachers and elders."),
        .CareerAndFinance =
            TR_("You prosper in teaching, law, religion, publishing, travel, sports and work overseas. "
            "Your luck with money is good, and Jupiter often brings help when you need it. "
            "You should avoid gambling and speculation."),
        .LoveAndDomesticLife =
            TR_("You are a cheerful and generous partner who values freedom. "
            "You need a spouse who shares your ideals and your love of adventure. "
            "You are frank and faithful, but a jealous partner drives you away. "
            "Your children learn from you to be honest and to think for themselves."),
        .Health =
            TR_("Your thighs, hips and liver need care. "
            "Watch for sciatica, hip injuries, liver trouble and weight gain from rich food."),
    },
    // Makara (Capricorn)
    {
        .Looks =
            TR_("You are of medium height with a lean and bony frame. "
            "Your features are sharp and your expression is serious. "
            "You tend to look older in youth and younger as the years pass."),
        .Nature =
            TR_("You are ambitious, disciplined and hard-working. "
            "Saturn, your lord, teaches you patience and a strong sense of duty. "
            "You climb slowly but surely toward your goals. "
            "You are practical and cautious in all your dealings. "
            "You respect tradition, rules and authority. "
            "Your reserve can make you seem cold to strangers. "
            "You are loyal to your family and your responsibilities. "
            "You keep your feelings under firm control. "
            "You can be gloomy and worry about the future. "
            "You are careful with money and plan for the long term. "
            "Your success usually comes later in life. "
            "You earn respect through persistence and honest work."),
        .CareerAndFinance =
            TR_("You succeed in administration, government service, engineering, mining, agriculture, construction and business. "
            "You save steadily and invest carefully. "
            "Your wealth grows slowly but lasts."),
        .LoveAndDomesticLife =
            TR_("You are reserved in love and rarely show your feelings openly. "
            "You take marriage seriously and choose a partner with care. "
            "You are faithful and provide well for your family. "
            "Your home is run with discipline, and you expect respect from your children."),
        .Health =
            TR_("Your knees, bones and joints bear the strain of your hard work. "
            "With age, watch for stiffness, arthritis, skin complaints and dental trouble."),
    },
    // Kumbha (Aquarius)
    {
        .Looks =
            TR_("You are on the short side, with a compact and well-knit frame. "
            "Your forehead is broad, your expression friendly and your eyes clear and far-seeing. "
            "Your look has something unusual about it."),
        .Nature =
            TR_("You are independent, humane and original. "
            "Your ruler Saturn gives you a serious mind and steady resolve. "
            "You think in broad terms and care about society as a whole. "
            "You have many friends but few close ones. "
            "You value truth and freedom above comfort. "
            "Your ideas are often ahead of their time. "
            "You can be stubborn once you form an opinion. "
            "You resist anyone who tries to order you about. "
            "You work steadily for causes you believe in. "
            "You are honest, calm and fair with people. "
            "Your detachment can make you seem distant. "
            "You are drawn to science, reform and new ways of doing things. "
            "You are modest in your needs and not greedy for money. "
            "Your helpfulness makes you a good friend to the needy."),
        .CareerAndFinance =
            TR_("You find your place in science, research, technology, engineering, astrology, social work and large organizations. "
            "Your earnings come through your own learning and effort, and friends help you advance. "
            "You spend more on causes than on luxuries."),
        .LoveAndDomesticLife =
            TR_("You are a loyal but undemanding partner who values friendship in love. "
            "Your spouse must give you room to pursue your own interests. "
            "You may seem cool, yet your affection is lasting. "
            "Your home is open to friends, and you treat your children as equals."),
        .Health =
            TR_("Your calves, ankles and blood circulation are delicate. "
            "Cramps, varicose veins, swollen legs and poor blood flow are common for you."),
    },
    // Meena (Pisces)
    {
        .Looks =
            TR_("You are short and soft in build, with a tendency to plumpness. "
            "Your eyes are large, dreamy and kind, and your skin is smooth. "
            "Your hands and feet are small and well shaped."),
        .Nature =
            TR_("You are gentle, kind and deeply compassionate. "
            "Jupiter, your ruler, makes you devout, forgiving and generous at heart. "
            "You feel the pain of others as if it were your own. "
            "Your intuition is strong, and you often sense what others hide. "
            "You are imaginative and drawn to music, poetry and spiritual life. "
            "You shrink from conflict and avoid harsh words. "
            "You trust people easily and can be taken advantage of. "
            "Your mood depends on the people around you. "
            "You can drift into daydreams and delay decisions. "
            "You are generous with money, sometimes more than you can afford. "
            "You need quiet time alone to restore your strength. "
            "You find the deepest satisfaction in work that helps or heals. "
            "Your kindness is your greatest treasure."),
        .CareerAndFinance =
            TR_("Your calling lies in medicine, nursing, charity, religion, music, art, film, the sea and work in hospitals or ashrams. "
            "Money comes and goes easily. "
            "You need a trusted adviser to manage savings and investments."),
        .LoveAndDomesticLife =
            TR_("You are a romantic and self-sacrificing partner. "
            "You idealize the one you love and give your whole heart. "
            "A steady, protective spouse brings out the best in you. "
            "Your family life is warm and affectionate, and you are a tender, forgiving parent."),
        .Health =
            TR_("Your feet are your weak point, so wear good shoes and rest them often. "
            "You are also sensitive to medicines, alcohol and damp weather."),
    },
}};

}  // namespace
}  // namespace Catalogue

const std::array<RashiCatalogueRow, 12>& RashiParagraphTexts()
{
    return Catalogue::Paragraphs;
}

}  // namespace orvanta
