#include "shell/GuidanceTexts.h"

namespace tervalo::shell {

namespace {

// Every worked example opens with the same invitation; titles, first sentences
// and their spelling are as users have always read them.
const QString kLeadIn = QStringLiteral(
    "If you have a situation similar to the following example, click the corresponding button on the left. Then you "
    "can see how this problem is solved, and you can replace the data with yours to solve a problem you are "
    "interested.");

QString example(const QString& statement) { return kLeadIn + QStringLiteral("\n\nExample: \n\n") + statement; }

// The paper example as the purchasing windows' Example button enters it, with
// the 130 per order it fills in (the window's own text speaks of $50).
QString paperStatement(bool shortages) {
    return QStringLiteral(
               "Paper usage in an office averages 8 boxes per week. Each box costs $25. Shipping cost per order is "
               "$130 regardless of size. Financing cost is 15% per year, and keeping the boxes costs $1.10 per "
               "week/box, so the holding cost is $1.10+$(25)(0.15/365)7=$1.173 per box per week. ") +
           (shortages ? QStringLiteral(
                            "Shortages are allowed: when paper runs out you get it from other sources, which costs "
                            "$15/box/week. ")
                      : QString()) +
           QStringLiteral("Determine an optimum inventory policy.\n\nThe time unit of this example is Week.");
}

QString cellPhoneStatement(bool shortages) {
    return QStringLiteral(
               "The demand for cell phone in a company is 18000 units/year. The company can produce it at a rate of "
               "3000/month. The cost of one setup is $500, holding cost is $0.15/unit/month, and the cost of one "
               "unit is $2. ") +
           (shortages ? QStringLiteral("Shortages are allowed. The cost of 1 unit short is $20/year. ") : QString()) +
           QStringLiteral(
               "Determine the optimum manufacturing quantity and cost per year.\n\nIn the time unit Year the "
               "production rate is 3000X12=36000 units/year and the holding cost 0.15X12=$1.80/unit/year.");
}

QString discountStatement(bool incremental) {
    return QStringLiteral(
               "The demand for an item is about 100 units per week. Ordering cost is $300 per order, holding cost "
               "is $0.10/unit/week and the interest rate is 10%. The price is $1 per unit for any amount up to 500 "
               "units. ") +
           (incremental
                ? QStringLiteral("Additional amount over 500 units incurs the discount price $0.95 per unit.")
                : QStringLiteral("If the order is larger than 500 units, the entire order is priced at the lower "
                                 "price $0.95 per unit.")) +
           QStringLiteral(
               " Should we order more to get the discount? If we should, how much to order and when?\n\nThe time "
               "unit of this example is Week.");
}

QString assumptions(const QString& second, const QString& fourth, bool shortages) {
    return QStringLiteral("Assuming: \n\n1.Demand is constant and known,\n") + second +
           QStringLiteral("\n3.Costs do not change with the order size,\n") + fourth +
           QStringLiteral(
               "\n\nthe model finds the order quantity and the order interval that minimize the total cost per time "
               "unit: purchase (or production), ordering (or setup), holding") +
           (shortages ? QStringLiteral(" and shortage costs.") : QStringLiteral(" costs.")) +
           QStringLiteral(
               "\n\nEnter the demand and the costs in one time unit of your choice (Year, Month or Week); the "
               "results and the cost table use the same unit. Every result is saved and can be printed as a "
               "report.");
}

const QString kCostNotConstant = QStringLiteral("EOQ models assume that item cost is constant.");

const QString kSinglePeriod = QStringLiteral(
    "This model applies when an item is ordered once only to satisfy the demand of a specific period of time, for "
    "example, Christmas tree,or other items that become obsolete after a certain period of time and hence may not be "
    "reordered.");

const QString kSsPolicy = QStringLiteral(
    "s_S policy gives numbers s and S such that we shoud place an order for additional inventory whenever the "
    "inventory on hand falls below s, and the size of the order should be sufficient to bring the inventory level "
    "to S.");

}  // namespace

GuidanceTexts::GuidanceTexts() {
    fillDummy();
    fillPro();
}

QString GuidanceTexts::help(int tab, int entry) const {
    if (entry < 0 || entry >= kEntries) return {};
    return tab <= 0 ? m_helpDummy[entry] : m_helpPro[entry];
}

QString GuidanceTexts::title(int tab, int entry) const {
    if (entry < 0 || entry >= kEntries) return {};
    return tab <= 0 ? m_titleDummy[entry] : m_titlePro[entry];
}

void GuidanceTexts::fillDummy() {
    m_titleDummy[0] = QStringLiteral("For Dummy");
    m_helpDummy[0] = QStringLiteral(
        "\n\nBy \"Dummy\" we mean those who do not have knowledge in the theory of Inventory Control.\n\n"
        "Start with the Wizard: it asks you about your problem in plain words and picks the model for you.\n\n"
        "Or find the example below that looks like your problem, click its button, and see how it is solved. "
        "Then replace the data with yours.\n\n"
        "Rest the pointer on a button to read what it does.");

    m_titleDummy[1] = QStringLiteral("About Wizard");
    m_helpDummy[1] = QStringLiteral(
        "This is an interview. The wizard asks you a few questions about your item: is the demand known or "
        "random, do you buy the item or make it, may you run short of it, and is a discount offered.\n\n"
        "From your answers it picks the inventory model that fits, asks for the data the model needs and "
        "solves the problem.\n\n"
        "You do not need to know the theory: just answer the questions one page at a time.");

    m_titleDummy[2] = QStringLiteral("Working Example - Purchasing (No Shortage)");
    m_helpDummy[2] = example(paperStatement(false));
    m_titleDummy[3] = QStringLiteral("Working Example - Purchasing (Shortage Allowed)");
    m_helpDummy[3] = example(paperStatement(true));
    m_titleDummy[4] = QStringLiteral("Working Example - Production (No Shortage)");
    m_helpDummy[4] = example(cellPhoneStatement(false));
    m_titleDummy[5] = QStringLiteral("Working Example - Production (Shortage Allowed)");
    m_helpDummy[5] = example(cellPhoneStatement(true));

    m_titleDummy[6] = QStringLiteral("Working Example - Christmas Tree (Single Period)");
    m_helpDummy[6] = example(QStringLiteral(
        "A store decided to sell Christmas tree this year. Trees cost $6.00 each and sell for $20. Trees left over "
        "are burned at a cost of $0.50 each. If a sale is lost there is no additional cost except the lost revenue "
        "of $20. The demand is equally likely to be any value between 500 and 1000 trees. Determine how many trees "
        "to order."));

    m_titleDummy[7] = QStringLiteral("Working Example - Car Dealer (s-S Policy)");
    m_helpDummy[7] = example(QStringLiteral(
        "The number of cars sold by a dealer in a month is uniformly distributed over the interval [75,100]. The "
        "dealer purchases cars at $14000/car with a setup cost of $5000 for delivery. Holding a car in stock costs "
        "$60/month. If the dealer does not have a car in stock for a buyer, he immediately places an order from the "
        "manufacturer at a higher cost of $16000 per car. Determine an optimum inventory policy for this dealer to "
        "minimize cost."));

    m_titleDummy[8] = QStringLiteral("Working Example - Quantity Discount (Incremental)");
    m_helpDummy[8] = example(discountStatement(true));
    m_titleDummy[9] = QStringLiteral("Working Example - Quantity Discount (All Unit)");
    m_helpDummy[9] = example(discountStatement(false));

    m_titleDummy[10] = QStringLiteral("Working Example - Expensive Items");
    m_helpDummy[10] = example(QStringLiteral(
        "A company makes boat, which costs $30000 each to make and sell for $60000. If a boat is not sold, it will "
        "cost $10000 to keep the boat until next year. History gives the demand distribution, a few values with "
        "their probabilities, that the window shows. How many boats should be made?\n\n"
        "The window's Demo button types the data in for you and solves the problem."));

    m_titleDummy[11] = QStringLiteral("Working Example - Reserve for an Incurance Company");
    m_helpDummy[11] = example(QStringLiteral(
        "An insurance company has to put a certain amount of money to an account as reserve to pay for the claims "
        "filed by customers. The quarterly demand for the reserve follows the pattern that the window shows, and "
        "the State requires that the chance that the reserve can't meet the demand be less than 5%. What is the "
        "minimum reserve level?\n\nThe window's Demo button types the data in for you and solves the problem."));
}

void GuidanceTexts::fillPro() {
    m_titlePro[0] = QStringLiteral("For Professional");
    m_helpPro[0] = QStringLiteral(
        "By professional, we mean that you are proficient in the  theory of Operations Research.\n\n"
        "Each button opens one model with empty boxes: enter your data and calculate. The models cover the "
        "classical EOQ models, quantity discounts, single-period and (s,S) models with continuous or discrete "
        "demand, demand forecasting and a little data warehouse.\n\n"
        "Rest the pointer on a button to read the model's assumptions.");

    m_titlePro[1] = QStringLiteral("EOQ Model (purchasing, no shortage)");
    m_helpPro[1] = assumptions(QStringLiteral("2.Replacement is instantaneous,"),
                               QStringLiteral("4.No backorering is allowed,"), false);
    m_titlePro[2] = QStringLiteral("EOQ Model (purchasing, shortage allowed)");
    m_helpPro[2] = assumptions(QStringLiteral("2.Replacement is instantaneous,"),
                               QStringLiteral("4.Backorering is allowed,"), true);
    m_titlePro[3] = QStringLiteral("EOQ Model (manufacturing, no shortage)");
    m_helpPro[3] = assumptions(QStringLiteral("2.Replacement rate is finite and greater than the demand rate,"),
                               QStringLiteral("4.No shortage is allowed,"), false);
    m_titlePro[4] = QStringLiteral("EOQ Model (manufacturing, shortage allowed)");
    m_helpPro[4] = assumptions(QStringLiteral("2.Replacement rate is finite and greater than the demand rate,"),
                               QStringLiteral("4.Shortage is allowed,"), true);

    m_titlePro[5] = QStringLiteral("Quantity Discounts (Incremental)");
    m_helpPro[5] = kCostNotConstant + QStringLiteral(
                                          " Often a supplier lowers the price for larger orders.\n\n"
                                          "With incremental discounts only the units above a break point are sold "
                                          "at the lower price; the units up to the break point keep the regular "
                                          "price.\n\n"
                                          "Enter the demand, the ordering and holding costs, the interest rate, the "
                                          "regular price, the break point and the discount price. The model "
                                          "compares the best order below and above the break point.");
    m_titlePro[6] = QStringLiteral("Quantity Discounts (All-Unit)");
    m_helpPro[6] = kCostNotConstant + QStringLiteral(
                                          " Often a supplier lowers the price for larger orders.\n\n"
                                          "With all-unit discounts an order larger than the break point is priced "
                                          "entirely at the lower price.\n\n"
                                          "Enter the demand, the ordering and holding costs, the interest rate, the "
                                          "regular price, the break point and the discount price. The model "
                                          "compares the best order at each price.");

    m_titlePro[7] = QStringLiteral("Single-Period Model (Continuous)");
    m_helpPro[7] = kSinglePeriod + QStringLiteral(
                                       "\n\nThe demand is a continuous random variable, uniform or normal. The model "
                                       "finds the order-up-to level S that balances the cost of a unit left over "
                                       "against the cost of a unit short.");
    m_titlePro[8] = QStringLiteral("Single-Period Model (Discrete)");
    m_helpPro[8] = QString(kSinglePeriod).replace(QStringLiteral("specific period"), QStringLiteral("specificperiod")) +
                   QStringLiteral(
                       "\n\nThe demand is a discrete random variable: enter its values and their probabilities in "
                       "the table. The model finds the order-up-to level S by the critical ratio.");

    m_titlePro[9] = QStringLiteral("s-S Policy (Continuous)");
    m_helpPro[9] = kSsPolicy + QStringLiteral(
                                   "\n\nThe demand of the period is uniformly distributed. Besides the costs of the "
                                   "single-period model, each order has a fixed ordering cost.");
    m_titlePro[10] = QStringLiteral("s-S Policy (Discrete)");
    m_helpPro[10] = kSsPolicy + QStringLiteral(
                                    "\n\nThe demand of the period is a discrete random variable given by a table of "
                                    "values and probabilities. Besides the costs of the single-period model, each "
                                    "order has a fixed setup cost.");

    m_titlePro[11] = QStringLiteral("Demand Forcasting");
    m_helpPro[11] = QStringLiteral(
        "The success of using the inventory models depends on the accuracy of the model parameters, i.e., cost "
        "constants and demand, of which the demand is most difficult to estimate.\n\n"
        "Demand forecasting fits the demand of your item from its sales history, step by step, and hands the "
        "estimate to the model you choose.");
    m_titlePro[12] = QStringLiteral("Data Mining");
    m_helpPro[12] = QStringLiteral(
        "A little data warehouse is provided in the directory you install this software.\n\n"
        "It holds the sales of a retail store item by item. Find an item, import sales data, or analyze all items "
        "at once: each item's demand is estimated and its inventory policy computed.");
}

}  // namespace tervalo::shell
