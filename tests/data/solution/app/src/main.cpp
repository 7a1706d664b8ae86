// main
int main()
{
    return 0;
}
